// SetFormTexts and CenterForm for Qt forms. A form's controls are found by
// their object names as the form-texts table names them; members of a control
// array carry their index in the property "Index" ("Tlb(5)" is the child
// named "Tlb" whose Index is 5).
#pragma once

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

namespace ordalis {

// Gives each named control its caption: the window title for the form's own
// name, the text of actions, buttons and labels, the title of menus and
// group boxes. Names that the form lacks are skipped.
void ApplyFormTexts(QWidget* form, const std::vector<std::pair<std::string, std::string>>& captions);

// Centres the form on its screen: left at half the screen width minus half
// the form width, top likewise.
void CenterForm(QWidget* form);

}  // namespace ordalis
