// `MiniV1`, the vehicle editor window: a thin layer over VehicleEditor. User
// choices and typing go to the editor; after each handler the window copies
// the editor's texts, enabled and visible states back into its controls.
// While it is open the main window is hidden; it is shown again whenever the
// editor closes. Each opening is a fresh editor restored from the store.
#pragma once

#include "vehicle/Catalogue.h"
#include "vehicle/MiniFileCommands.h"
#include "vehicle/VehicleEditor.h"

#include <QPoint>
#include <QWidget>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace vornax {

class VehicleEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit VehicleEditorWindow(QWidget* parent = nullptr);
    ~VehicleEditorWindow() override;

    const VehicleEditor& editor() const { return editor_; }

    // OK_Click: commits into the store, enables the main window's power and
    // acceleration items and closes. A shown number field no computation can
    // use is named in a message instead, and nothing is stored.
    void confirm();
    // BPStop_Click: closes without writing anything.
    void cancel();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A label showing one of the program's own captions (not the language
    // file's), translated again when the language changes.
    QLabel* ownCaption(QLabel* label, const char* source);
    std::vector<std::pair<QLabel*, const char*>> ownCaptions_;
    QPoint startAt_;  // where the main window stood before it was hidden
    void buildControls();
    void setCaptions();
    QLineEdit* makeField(Field f);
    QComboBox* makeList(ListId l);
    void refresh();
    // The engine and rim entries of the last OK, while the store holds what it wrote.
    void restoreInertiaChoices();
    std::string fieldCaption(Field f) const;

    VehicleEditor editor_;
    MiniFileCommands files_;
    std::array<QLineEdit*, kFieldCount> fields_{};
    std::array<QComboBox*, kAllLists.size()> lists_{};
    QLabel* lbl5e_ = nullptr;
    QLabel* lbl6e_ = nullptr;
    QMenu* fichier_ = nullptr;
    QAction* ouvrir_ = nullptr;
    QAction* enregistrer_ = nullptr;
    QAction* enregistrerS_ = nullptr;
};

}  // namespace vornax
