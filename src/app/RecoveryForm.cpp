#include "app/RecoveryForm.h"

#include "app/CredentialPanel.h"
#include "platform/Assets.h"
#include "ui/Style.h"

#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kBackTop = 30;
constexpr int kBackLeft = 12;
constexpr int kBackWidth = 50;
constexpr int kBackHeight = 30;
constexpr int kTitleGap = 10;
constexpr int kTitleHeight = 24;
constexpr int kPanelGap = 25;
constexpr int kInset = 25;
constexpr int kButtonGap = 18;
constexpr int kButtonHeight = 50;

// Focus the owner moved there; focus coming back with the window is not the start of an edit.
bool ownerMovedFocus(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

RecoveryForm::RecoveryForm(const Texts& texts) {
    // The screen itself holds the focus until the owner touches a field.
    setFocusPolicy(Qt::ClickFocus);

    backBtn = new QPushButton(Assets::icon(QStringLiteral("Login_nav_back")),
                              QStringLiteral("返回"), this);
    backBtn->setObjectName(QStringLiteral("backBtn"));
    backBtn->setIconSize(
        Assets::image(QStringLiteral("Login_nav_back")).deviceIndependentSize().toSize());
    backBtn->setFont(Style::systemFont(17));
    backBtn->setFlat(true);
    backBtn->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; border: none; background: transparent;"
                       " text-align: left; padding: 0; }")
            .arg(Style::rgbText(Style::accentRed())));
    connect(backBtn, &QPushButton::clicked, this, &RecoveryForm::backClick);

    titleLabel = new QLabel(texts.title, this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFont(Style::systemFont(17));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::darkText())));

    textBarView = new CredentialPanel(
        {QStringLiteral("userIdField"), texts.firstImage, texts.firstPlaceholder},
        {QStringLiteral("passwordField"), texts.secondImage, texts.secondPlaceholder}, this);
    userIconView = textBarView->firstIcon;
    userIconView->setObjectName(QStringLiteral("userIconView"));
    userIdField = textBarView->firstField;
    passwordIconView = textBarView->secondIcon;
    passwordIconView->setObjectName(QStringLiteral("passwordIconView"));
    passwordField = textBarView->secondField;
    userIdField->installEventFilter(this);
    passwordField->installEventFilter(this);

    nextBtn = new QPushButton(texts.action, this);
    nextBtn->setObjectName(QStringLiteral("nextBtn"));
    nextBtn->setFont(Style::systemFont(15));
    nextBtn->setStyleSheet(Style::primaryButtonSheet());
    nextBtn->setEnabled(false);
    connect(nextBtn, &QPushButton::clicked, this, [this] { forgetClick(); });
    layoutViews();
}

void RecoveryForm::backClick() {
    endEditing();
    back();
}

void RecoveryForm::endEditing() {
    if (userIdField->hasFocus() || passwordField->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}

void RecoveryForm::viewWillAppear() {
    KQSBaesVC::viewWillAppear();
    setFocus(Qt::OtherFocusReason);
}

bool RecoveryForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && ownerMovedFocus(static_cast<QFocusEvent*>(event))) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            textFieldDidBeginEditing(field);
        }
    }
    return KQSBaesVC::eventFilter(watched, event);
}

void RecoveryForm::textFieldDidBeginEditing(QLineEdit* field) {
    if (field == userIdField) {
        userIdField->clear();
    }
    nextBtn->setEnabled(!passwordField->text().isEmpty() || !userIdField->text().isEmpty());
}

void RecoveryForm::mousePressEvent(QMouseEvent* event) {
    endEditing();
    KQSBaesVC::mousePressEvent(event);
}

void RecoveryForm::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    layoutViews();
}

void RecoveryForm::layoutViews() {
    const int w = width();
    backBtn->setGeometry(kBackLeft, kBackTop, kBackWidth, kBackHeight);
    const int titleTop = kBackTop + kBackHeight + kTitleGap;
    titleLabel->setGeometry(0, titleTop, w, kTitleHeight);
    const int panelTop = titleTop + kTitleHeight + kPanelGap;
    textBarView->setGeometry(kInset, panelTop, w - 2 * kInset, CredentialPanel::kHeight);
    nextBtn->setGeometry(kInset, panelTop + CredentialPanel::kHeight + kButtonGap, w - 2 * kInset,
                         kButtonHeight);
}
