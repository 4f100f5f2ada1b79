// `frmAbout`: the program's title, its version and the description line of the
// language file.
#pragma once

#include "common/Version.h"

#include <QWidget>

class QLabel;

namespace vornax {

class AboutBox : public QWidget {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();
    QLabel* contact_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* description_ = nullptr;
};

}  // namespace vornax
