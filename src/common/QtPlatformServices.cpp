#include "common/QtPlatformServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace vornax {
namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

QString initialPath(const FileDialogRequest& request)
{
    QString name = QString::fromStdString(request.initialName).trimmed();
    return QDir(QString::fromStdString(request.initialFolder)).filePath(name);
}

}  // namespace

QString qtNameFilter(const std::string& filter)
{
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString description = parts[i];
        if (!description.contains('('))
            description += " (" + patterns + ")";
        filters << description;
    }
    return filters.join(";;");
}

std::optional<std::string> QtPlatformServices::openFile(const FileDialogRequest& request)
{
    const QString chosen = QFileDialog::getOpenFileName(dialogParent(), QString::fromStdString(request.title),
                                                        initialPath(request), qtNameFilter(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtPlatformServices::saveFile(const FileDialogRequest& request)
{
    const QString chosen = QFileDialog::getSaveFileName(dialogParent(), QString::fromStdString(request.title),
                                                        initialPath(request), qtNameFilter(request.filter));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

void QtPlatformServices::message(const std::string& text, const std::string& title, MessageIcon icon)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(title.empty() ? programTitle_ : QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    box.exec();
}

std::optional<Rgb> QtPlatformServices::pickColour(Rgb initial)
{
    const QColor chosen = QColorDialog::getColor(QColor(initial.r, initial.g, initial.b), dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return Rgb{static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
               static_cast<std::uint8_t>(chosen.blue())};
}

}  // namespace vornax
