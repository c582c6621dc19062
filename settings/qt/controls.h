// SPDX-License-Identifier: GPL-3.0-or-later
// What the dialogs share about their controls: the help balloons, which
// follow the id each control carries (the dynamic property "controlId"),
// the reading of a checked field, the width of an edit, the failure signal.
#pragma once

#include <QString>
#include <functional>
#include <utility>
#include <vector>

#include "settings/dialog_fields.h"

class QFontMetrics;
class QLineEdit;
class QWidget;

namespace orvanta::settings {

inline constexpr char kControlIdProperty[] = "controlId";
// Help balloons wrap at this width, in pixels.
inline constexpr int kTooltipWidthPixels = 333;

// Breaks `text` into lines no wider than widthPixels in the given font:
// words move to the next line, a word wider than the line is cut, "\n"
// always starts a new line.
QString wrapTooltipText(const QString& text, const QFontMetrics& metrics, int widthPixels);

// Reads the text of a field for a dialog's check from the edit `editOf`
// gives for it, giving the edit the keyboard focus first (a failing field
// keeps it).
FieldReader focusingFieldReader(std::function<QLineEdit*(Field)> editOf);

// Makes an edit field just wide enough for `characters` digits in its font.
void fitToCharacters(QLineEdit* edit, int characters);

// The failure signal of a dialog's check: the control is greyed, the
// desktop beeps, and the control comes back after kFailureSignalMs. No
// message: the user sees which button refused. The program goes on.
inline constexpr int kFailureSignalMs = 333;
void signalFailure(QWidget* control);

// Gives `control` its help balloon, wrapped to the balloon's width.
void setHelpText(QWidget* control, const QString& text);

// A dialog's help balloons by the controlId of their control.
using HelpTexts = std::vector<std::pair<int, QString>>;
// Gives each control of `dialog` the balloon its controlId has in `texts`;
// a control with no text there keeps none.
void attachHelpTexts(QWidget* dialog, const HelpTexts& texts);

}  // namespace orvanta::settings
