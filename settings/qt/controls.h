// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog controls found by the id they carry (the dynamic property
// "controlId"), and the help balloons attached to them.
#pragma once

#include <QString>

#include "settings/dialog_fields.h"

class QFontMetrics;
class QLineEdit;
class QWidget;

namespace orvanta::settings {

inline constexpr char kControlIdProperty[] = "controlId";
// Help balloons wrap at this width, in pixels.
inline constexpr int kTooltipWidthPixels = 333;

// The child of `dialog` whose controlId is `id`, or nullptr.
QWidget* findControl(const QWidget* dialog, int id);

// Breaks `text` into lines no wider than widthPixels in the given font:
// words move to the next line, a word wider than the line is cut, "\n"
// always starts a new line.
QString wrapTooltipText(const QString& text, const QFontMetrics& metrics, int widthPixels);

// Reads the text of the edit field `id` of `dialog` for a dialog's check,
// giving it the keyboard focus first (a failing field keeps it).
FieldReader focusingFieldReader(const QWidget* dialog);

// Makes an edit field just wide enough for `characters` digits in its font.
void fitToCharacters(QLineEdit* edit, int characters);

// The failure signal of a dialog's check: the control is greyed, the
// desktop beeps, and the control comes back after kFailureSignalMs. No
// message: the user sees which button refused. The program goes on.
inline constexpr int kFailureSignalMs = 333;
void signalFailure(QWidget* control);

// Gives the control `id` of `dialog` its help balloon. Nothing happens when
// the dialog has no such control. Attaching again replaces the text.
void attachTooltip(QWidget* dialog, int id, const QString& text);

}  // namespace orvanta::settings
