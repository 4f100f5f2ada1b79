// The save dialogs add the chosen filter's extension to a name typed without
// one, so that the open dialogs, which list by extension, find the file.
#include "common/PlatformServices.h"
#include "gui/common/QtPlatformServices.h"

#include "TempFolder.h"

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace vornax {
namespace {

TEST(WithFilterExtension, AddsTheSelectedPatternsExtensionToABareName)
{
    struct Case {
        const char* path;
        const char* filter;
        int selected;
        const char* expected;
    } cases[] = {
        {"/RPM/run", "Fichier courbe *.ReT|*.ReT", 0, "/RPM/run.ReT"},
        {"/RPM/run.ReT", "Fichier courbe *.ReT|*.ReT", 0, "/RPM/run.ReT"},
        {"/RPM/run.old", "Fichier courbe *.ReT|*.ReT", 0, "/RPM/run.old"},    // an extension of its own
        {"/my.runs/run", "Fichier text *.txt|*.txt", 0, "/my.runs/run.txt"},  // a dot in the folder only
        {"/Mini/car", "Fichiers Mini *.Dat|*.Dat;*.dat;*.DAT", 0, "/Mini/car.Dat"},
        {"/p/plot", "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg", 1, "/p/plot.svg"},
        {"/p/plot", "Tout|*.*", 0, "/p/plot"},
        {"/p/plot", "", 0, "/p/plot"},
        {"", "Fichier text *.txt|*.txt", 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(withFilterExtension(c.path, c.filter, c.selected), c.expected) << c.path << " " << c.filter;
}

TEST(QtPlatformServices, SaveDialogAddsTheExtensionToATypedName)
{
    testing::TempFolder folder;
    QtPlatformServices services;
    for (const char* typed : {"run", "run.ReT"}) {
        QTimer::singleShot(0, [typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->selectFile(typed);
            static_cast<QDialog*>(dialog)->accept();
        });
        FileDialogRequest request;
        request.filter = "Fichier courbe *.ReT|*.ReT";
        request.initialFolder = folder.path().string();
        const auto chosen = services.saveFile(request);
        ASSERT_TRUE(chosen) << typed;
        EXPECT_EQ(*chosen, (folder.path() / "run.ReT").string()) << typed;
    }
}

}  // namespace
}  // namespace vornax
