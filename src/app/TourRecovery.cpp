#include "app/ForgetPasswordVC.h"
#include "app/ModifiedCompleteVC.h"
#include "app/Tour.h"
#include "app/TourRunner.h"
#include "app/changePasswordVC.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The form as the owner leaves it after typing into both fields.
template <class S> S* filledIn(S* screen, const QString& first, const QString& second) {
    screen->userIdField->setText(first);
    screen->passwordField->setText(second);
    screen->nextBtn->setEnabled(true);
    return screen;
}

} // namespace

void Tour::addRecoverySteps() {
    const QString mobile = QString::fromLatin1(TourRunner::kDemoMobile);
    Step verify{QStringLiteral("recovery-verify"),
                [mobile] { push(filledIn(new ForgetPasswordVC, mobile, QString())); }};
    verify.beforeSignIn = true;
    add(verify);

    Step reset{QStringLiteral("recovery-reset"), [mobile] {
                   auto* screen = filledIn(new changePasswordVC, QStringLiteral("newpass1"),
                                           QStringLiteral("newpass1"));
                   screen->iphone = mobile;
                   push(screen);
               }};
    reset.beforeSignIn = true;
    add(reset);

    Step done{QStringLiteral("recovery-done"), [] { push(new ModifiedCompleteVC); }};
    done.beforeSignIn = true;
    add(done);
}
