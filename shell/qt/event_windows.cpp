#include "shell/qt/event_windows.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "shell/messages.h"
#include "settings/qt/controls.h"
#include "ui_remind_dialog.h"

namespace orvanta::shell {

namespace {

const QString kTitle = QString::fromUtf8(kEventWindowTitle.data(), static_cast<int>(kEventWindowTitle.size()));

// The boxes say "Tamam" whether or not Qt's own Turkish texts are
// installed.
void sayTamam(QMessageBox& box) { box.button(QMessageBox::Ok)->setText(QStringLiteral("Tamam")); }

QMessageBox* eventBox(const QString& text, QMessageBox::Icon icon) {
    auto* box = new QMessageBox(icon, kTitle, text, QMessageBox::Ok);
    sayTamam(*box);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

// "RemindDlg": no close box, and Escape does not close it; only its
// button or a later event window does.
class ReminderDialog : public QDialog {
public:
    ReminderDialog(const QString& text, const QString& buttonText, const std::function<void()>& onButton)
        : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
        ui_.setupUi(this);
        setWindowModality(Qt::ApplicationModal);
        settings::attachTooltip(this, 1, QString::fromUtf8(kReminderButtonTooltip.data()));
        ui_.message->setText(text);
        ui_.doneButton->setText(buttonText);
        connect(ui_.doneButton, &QPushButton::clicked, this, [this, onButton] {
            if (onButton) onButton();
            done(1);
        });
    }
    void reject() override {}

private:
    Ui::RemindDlg ui_;
};

}  // namespace

void EventWindows::closeEarlier() {
    if (current_) {
        current_->hide();
        current_->done(0);
    }
    current_ = nullptr;
}

void EventWindows::run(QDialog* window) {
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    current_ = window;
    window->exec();
    if (current_ == window) current_ = nullptr;
    window->deleteLater();
}

void EventWindows::showEzanBox(const QString& slotName) {
    run(eventBox(QString::fromStdString(ezanMessage(slotName.toStdString())), QMessageBox::NoIcon));
}

void EventWindows::showWarningBox(const QString& text) { run(eventBox(text, QMessageBox::Warning)); }

void EventWindows::showReminder(const QString& text, const QString& buttonText,
                                const std::function<void()>& onButton) {
    run(new ReminderDialog(text, buttonText, onButton));
}

namespace {

QMessageBox* programBox(const QString& title, const QString& text, bool warningIcon) {
    auto* box = new QMessageBox(warningIcon ? QMessageBox::Warning : QMessageBox::Information, title, text,
                                QMessageBox::Ok);
    sayTamam(*box);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    return box;
}

}  // namespace

void showMessageBox(const QString& title, const QString& text, bool warningIcon) {
    std::unique_ptr<QMessageBox> box(programBox(title, text, warningIcon));
    box->exec();
}

namespace {

// Moves a box onto a modal dialog, where the dialog does not block it, and
// back to the desktop when the dialog ends.
void moveOnto(QWidget* box, QWidget* modal) {
    box->setParent(modal, box->windowFlags());
    box->show();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        QObject::connect(dialog, &QDialog::finished, box, [box] {
            const bool open = box->isVisible();
            box->setParent(nullptr, box->windowFlags());
            if (open) box->show();
        });
    }
}

// A box that does not wait must never end up behind a modal dialog, where
// its "Tamam" does nothing and Enter reaches the dialog instead: when a
// dialog opened after it blocks it, it moves onto that dialog.
class KeepAboveModal : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked) {
            QPointer<QWidget> box = static_cast<QWidget*>(watched);
            QPointer<QWidget> modal = QApplication::activeModalWidget();
            // Not while Qt is still showing the dialog.
            QTimer::singleShot(0, this, [box, modal] {
                if (box && box->isVisible() && modal && modal != box && box->parentWidget() != modal) {
                    moveOnto(box, modal);
                }
            });
        }
        return false;
    }
};

}  // namespace

void showMessageBoxWithoutWaiting(const QString& title, const QString& text) {
    QMessageBox* box = programBox(title, text, true);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->installEventFilter(new KeepAboveModal(box));
    if (QWidget* modal = QApplication::activeModalWidget()) {
        moveOnto(box, modal);
    } else {
        box->show();
    }
}

}  // namespace orvanta::shell
