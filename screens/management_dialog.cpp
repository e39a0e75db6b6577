// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/management_dialog.h"

#include <QKeyEvent>

#include "screens/command_button.h"
#include "screens/look.h"

namespace {

constexpr int commandWidth = 1095;
constexpr int commandHeight = 375;
constexpr int commandGap = 480;

}  // namespace

ManagementDialog::ManagementDialog(QWidget* owner) : QDialog(owner) {
    setModal(true);
}

void ManagementDialog::addCommands(const QString& okCaption, const QString& cancelCaption,
                                   int windowWidthTwips, int top) {
    const int middle = windowWidthTwips / 2;
    cancel_ = new CommandButton(cancelCaption, this);
    cancel_->setObjectName(QStringLiteral("Label1_1"));
    look::place(cancel_, look::rect(middle - commandGap / 2 - commandWidth, top, commandWidth,
                                    commandHeight));
    ok_ = new CommandButton(okCaption, this);
    ok_->setObjectName(QStringLiteral("Label1_0"));
    look::place(ok_, look::rect(middle + commandGap / 2, top, commandWidth, commandHeight));
    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    connect(ok_, &QAbstractButton::clicked, this, [this] { confirm(); });
}

void ManagementDialog::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            ok_->animateClick();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
