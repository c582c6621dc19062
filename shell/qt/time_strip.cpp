// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/time_strip.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QScreen>

namespace orvanta::shell {

namespace {
// 192 of 255: three-quarters opaque.
constexpr double kOpacity = 192.0 / 255.0;
}  // namespace

TimeStrip::TimeStrip(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      label_(new QLabel(this)) {
    setObjectName(QStringLiteral("timeStrip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowOpacity(kOpacity);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(label_);
    label_->setText(QStringLiteral("Orvanta"));
    setWindowTitle(label_->text());
    setFixedWidth(kTimeStripWidthPixels);
}

void TimeStrip::setText(const QString& text) {
    label_->setText(text);
    setWindowTitle(text);
}

void TimeStrip::toggle() {
    if (isVisible()) {
        hide();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    move(screen ? screen->geometry().topLeft() : QPoint(0, 0));
    show();
    raise();
}

void TimeStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) emit menuRequested(event->globalPosition().toPoint());
    QWidget::mousePressEvent(event);
}

}  // namespace orvanta::shell
