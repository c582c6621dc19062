// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/event_windows.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "settings/qt/controls.h"
#include "shell/messages.h"
#include "ui_remind_dialog.h"

namespace orvanta::shell {

namespace {

const QString kTitle = QString::fromUtf8(kEventWindowTitle.data(), static_cast<int>(kEventWindowTitle.size()));
constexpr int kIconSizePixels = 32;

// Above other windows, on screen until closed, gone from memory after.
void keepOnTopUntilClosed(QWidget* window) {
    window->setWindowFlag(Qt::WindowStaysOnTopHint);
    window->setWindowModality(Qt::NonModal);
    window->setAttribute(Qt::WA_DeleteOnClose);
}

// The ezan and warning boxes: the message, "Tamam", and for a sounding
// ezan "Sesi Durdur".
class EventBox : public QDialog {
public:
    EventBox(const QString& text, bool warningIcon) {
        setWindowTitle(kTitle);
        auto* layout = new QVBoxLayout(this);
        auto* row = new QHBoxLayout;
        if (warningIcon) {
            auto* icon = new QLabel(this);
            icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(kIconSizePixels));
            row->addWidget(icon, 0, Qt::AlignTop);
        }
        auto* message = new QLabel(text, this);
        message->setObjectName(QStringLiteral("message"));
        row->addWidget(message, 1);
        layout->addLayout(row);
        buttons_ = new QDialogButtonBox(this);
        QPushButton* ok = buttons_->addButton(QStringLiteral("Tamam"), QDialogButtonBox::AcceptRole);
        ok->setObjectName(QStringLiteral("okButton"));
        ok->setDefault(true);
        connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
        layout->addWidget(buttons_);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    void offerStopSound(const std::function<void()>& stopSound) {
        stopButton_ = buttons_->addButton(QStringLiteral("Sesi Durdur"), QDialogButtonBox::ActionRole);
        stopButton_->setObjectName(QStringLiteral("stopSoundButton"));
        connect(stopButton_, &QPushButton::clicked, this, [this, stopSound] {
            silencedByUser_ = true;
            stopSound();
            withdrawStopSound();
        });
    }
    void withdrawStopSound() {
        if (stopButton_ != nullptr) stopButton_->hide();
    }
    bool silencedByUser() const { return silencedByUser_; }

private:
    QDialogButtonBox* buttons_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    bool silencedByUser_ = false;
};

// The reminder window: no close box, and Escape does not close it; only its
// button or a later event window does.
class ReminderDialog : public QDialog {
public:
    ReminderDialog(const QString& text, const QString& buttonText, const std::function<void()>& onButton)
        : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
        ui_.setupUi(this);
        settings::setHelpText(ui_.doneButton, QString::fromUtf8(kReminderButtonTooltip.data()));
        ui_.message->setText(text);
        ui_.doneButton->setText(buttonText);
        connect(ui_.doneButton, &QPushButton::clicked, this, [this, onButton] {
            if (onButton) onButton();
            done(1);
        });
    }
    void reject() override {}

private:
    Ui::ReminderDialog ui_;
};

}  // namespace

EventWindows::~EventWindows() { delete current_.data(); }

void EventWindows::closeEarlier() {
    if (QDialog* earlier = current_) {
        current_ = nullptr;
        earlier->hide();
        earlier->done(0);
    }
}

void EventWindows::present(QDialog* window, std::function<void()> onClosed) {
    keepOnTopUntilClosed(window);
    QObject::connect(window, &QDialog::finished, window, [this, window, onClosed = std::move(onClosed)] {
        if (current_ == window) current_ = nullptr;
        if (onClosed) onClosed();
    });
    current_ = window;
    window->show();
    window->raise();
}

void EventWindows::showEzanBox(const QString& slotName, bool sounding, std::function<void()> stopSound,
                               std::function<void(bool silencedByUser)> onClosed) {
    auto* box = new EventBox(QString::fromStdString(ezanMessage(slotName.toStdString())), false);
    if (sounding) box->offerStopSound(stopSound);
    present(box, [box, onClosed = std::move(onClosed)] { onClosed(box->silencedByUser()); });
}

void EventWindows::soundEnded() {
    if (auto* box = dynamic_cast<EventBox*>(current_.data())) box->withdrawStopSound();
}

void EventWindows::showWarningBox(const QString& text) { present(new EventBox(text, true), {}); }

void EventWindows::showReminder(const QString& text, const QString& buttonText, std::function<void()> onButton) {
    present(new ReminderDialog(text, buttonText, onButton), {});
}

void showMessageBox(const QString& title, const QString& text, bool warningIcon) {
    auto* box = new QMessageBox(warningIcon ? QMessageBox::Warning : QMessageBox::Information, title, text,
                                QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QStringLiteral("Tamam"));
    keepOnTopUntilClosed(box);
    box->show();
}

}  // namespace orvanta::shell
