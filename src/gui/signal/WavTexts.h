// Where the WAV window's words come from, one way for each kind:
// - a caption of the language file (the menu, the title, "Filtrer", the
//   threshold's, the sparks' and the filter level's captions) is read from
//   the store: storeCaption("LbFiltrer");
// - the program's own words are written tx("vornax::WavWindow", "...") where
//   they are used, in the panels as in the signal core (a Text: its str() in
//   a message, wavText() on a control); one kept as data (a control's own
//   caption, a dialog's filter) is marked txNoop("vornax::WavWindow", "...")
//   and turned into words as Text("vornax::WavWindow", source) when shown; a
//   control keeps its own caption (ownCaption) to show it again in a new
//   language (showOwnCaptions);
// - the core's messages come in the language in force already.
// Every one of the program's words keeps the context "vornax::WavWindow" in
// the translations, whichever panel or core file shows it.
#pragma once

#include "common/Translation.h"

#include <QString>

#include <string>

class QObject;
class QWidget;

namespace vornax {

QString storeCaption(const char* entry);

QString wavText(const Text& text);

// Keeps `source` on the control as its own caption and shows it.
QObject* keepOwnCaption(QObject* control, const char* source);
template <typename T>
T* ownCaption(T* control, const char* source)
{
    keepOwnCaption(control, source);
    return control;
}

// Shows again the own caption of `root` and of every control in it.
void showOwnCaptions(QWidget* root);

// A message box with the text alone.
void showMessage(const std::string& text);
inline void showMessage(const Text& text) { showMessage(text.str()); }

}  // namespace vornax
