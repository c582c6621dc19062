// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/qt/controls.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QToolTip>
#include <QVariant>
#include <QWidget>

namespace orvanta::settings {

namespace {

// Appends one paragraph (no "\n" in it) wrapped at the width.
void wrapParagraph(const QString& paragraph, const QFontMetrics& metrics, int widthPixels, QStringList& lines) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) <= widthPixels || line.isEmpty()) {
            line = candidate;
        } else {
            lines << line;
            line = word;
        }
        // A single word wider than the line is cut where it overflows.
        while (metrics.horizontalAdvance(line) > widthPixels && line.size() > 1) {
            qsizetype fits = line.size() - 1;
            while (fits > 1 && metrics.horizontalAdvance(line.left(fits)) > widthPixels) --fits;
            lines << line.left(fits);
            line = line.mid(fits);
        }
    }
    lines << line;
}

}  // namespace

QString wrapTooltipText(const QString& text, const QFontMetrics& metrics, int widthPixels) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) wrapParagraph(paragraph, metrics, widthPixels, lines);
    return lines.join(QLatin1Char('\n'));
}

void setHelpText(QWidget* control, const QString& text) {
    control->setToolTip(wrapTooltipText(text, QFontMetrics(QToolTip::font()), kTooltipWidthPixels));
}

void attachHelpTexts(QWidget* dialog, const HelpTexts& texts) {
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
        const QVariant id = control->property(kControlIdProperty);
        if (!id.isValid()) continue;
        for (const auto& [textId, text] : texts) {
            if (textId == id.toInt()) setHelpText(control, text);
        }
    }
}

FieldReader focusingFieldReader(std::function<QLineEdit*(Field)> editOf) {
    return [editOf = std::move(editOf)](Field field) {
        QLineEdit* edit = editOf(field);
        edit->setFocus(Qt::OtherFocusReason);
        return edit->text().toStdString();
    };
}

void fitToCharacters(QLineEdit* edit, int characters) {
    constexpr int kInnerMarginPixels = 2 * 2 + 2;
    // The characters, the edit's inner margin (2 pixels a side) and its
    // cursor, then the style's frame around them.
    QStyleOptionFrame option;
    option.initFrom(edit);
    const QSize text(edit->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) +
                         edit->textMargins().left() + edit->textMargins().right() + kInnerMarginPixels,
                     edit->fontMetrics().height());
    const QSize size = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, edit);
    edit->setFixedWidth(size.width());
}

void signalFailure(QWidget* control) {
    control->setEnabled(false);
    QApplication::beep();
    QTimer::singleShot(kFailureSignalMs, control, [control] { control->setEnabled(true); });
}

}  // namespace orvanta::settings
