// `Start`, the main window: the title picture and the menu from which every
// other window is opened. Its start-up loads the active language file into the
// store and sets the menu captions; it runs again after a language change.
#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;

namespace vornax {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    // The start-up routine: title, width, CalcP and acc disabled, language
    // file, menu captions.
    void startUp();

    // The language choice of the "Langue" item.
    void chooseLanguage();

    // The windows the main window closes with itself, in closing order, after
    // the recorder (which may refuse while it records) and before any other
    // window left open: closing the main window ends the program.
    static const std::vector<std::string>& windowsClosedWithMain();

public slots:
    // Called by the vehicle editor's confirmation: enables CalcP and acc.
    void vehicleCommitted();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* addWindowItem(QMenu* menu, const char* objectName, const char* window);
    // The menu captions: from the store, lines 10 and 12 of the language
    // file, and the program's own for the rest.
    void showCaptions();

    QLabel* picture_ = nullptr;
    bool toldLanguageProblem_ = false;      // a folder that cannot be written is said once
    QString autreCaption_, langueCaption_;  // lines 10 and 12, once read
    QAction* mini_ = nullptr;
    QMenu* aquisition_ = nullptr;
    QAction* enregistreur_ = nullptr;
    QAction* chargerW_ = nullptr;
    QAction* calcP_ = nullptr;
    QAction* journal_ = nullptr;
    QMenu* text_ = nullptr;
    QAction* compCP_ = nullptr;
    QAction* acc_ = nullptr;
    QMenu* autre_ = nullptr;
    QAction* aide_ = nullptr;
    QAction* langue_ = nullptr;
};

}  // namespace vornax
