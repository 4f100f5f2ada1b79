#include "gui/common/QtPlatformServices.h"

#include <QApplication>
#include <QObject>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include <algorithm>

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
    QFileDialog dialog(dialogParent(), QString::fromStdString(request.title), initialPath(request),
                       qtNameFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension gets the chosen filter's, before the
    // dialog asks whether to replace an existing file of that name.
    const QStringList filters = qtNameFilter(request.filter).split(";;");
    const auto suffixFor = [&request](int filter) {
        const std::string bare = "x";
        return QString::fromStdString(withFilterExtension(bare, request.filter, filter).substr(bare.size())).mid(1);
    };
    dialog.setDefaultSuffix(suffixFor(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, suffixFor](const QString& f) {
        dialog.setDefaultSuffix(suffixFor(static_cast<int>(filters.indexOf(f))));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (chosen.isEmpty())
        return std::nullopt;
    // A dialog of the desktop that ignores the suffix still gets it.
    const int selected = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return withFilterExtension(chosen.toStdString(), request.filter, std::max(selected, 0));
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

bool QtPlatformServices::ask(const std::string& text, const std::string& title)
{
    QMessageBox box(dialogParent());
    box.setWindowTitle(title.empty() ? programTitle_ : QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
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
