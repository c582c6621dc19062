// SPDX-License-Identifier: GPL-3.0-or-later
// The time strip: a small bar at the top-left corner of the screen that
// shows the time left to the next prayer time. It floats above other
// windows, never takes the focus, and is three-quarters opaque where the
// desktop composes windows. A right click opens the tray menu (the strip
// stands in for the icon where there is no notification area).
#pragma once

#include <QLabel>
#include <QWidget>

namespace orvanta::shell {

inline constexpr int kTimeStripWidthPixels = 300;

class TimeStrip : public QWidget {
    Q_OBJECT
public:
    explicit TimeStrip(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return label_->text(); }
    void toggle();

signals:
    void menuRequested(const QPoint& globalPosition);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* label_;
};

}  // namespace orvanta::shell
