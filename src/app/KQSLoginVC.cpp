#include "app/KQSLoginVC.h"

#include "app/AppDelegate.h"
#include "app/ForgetPasswordVC.h"
#include "platform/Assets.h"
#include "platform/Keyboard.h"
#include "service/KQHttpClientList.h"
#include "service/KQProject.h"
#include "service/LoginAccount.h"
#include "service/Record.h"
#include "ui/Style.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVariantAnimation>

namespace {

constexpr int kLogoTop = 92;
constexpr int kPanelGap = 67;
constexpr int kInset = 25;
constexpr int kRowHeight = 50;
constexpr int kPanelHeight = 101; // two rows and the half-point line between them
constexpr int kIconInset = 12;
constexpr int kLoginGap = 18;
constexpr int kLoginHeight = 50;
constexpr int kForgetGap = 11;
constexpr int kForgetHeight = 20;
constexpr int kCreditBottom = 24;
constexpr int kCreditHeight = 20;

struct LoginReplyData {
    QString shop_id;
    static const RecordFields<LoginReplyData>& fields() {
        static const RecordFields<LoginReplyData> table{{"shop_id", &LoginReplyData::shop_id}};
        return table;
    }
};

QLineEdit* makeField(QWidget* parent, const QString& name, const QString& placeholder) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setPlaceholderText(placeholder);
    field->setAccessibleName(placeholder);
    field->setFont(Style::systemFont(15));
    field->setClearButtonEnabled(true);
    field->setFrame(false);
    return field;
}

QLabel* makeIcon(QWidget* parent, const QString& name, const QString& image) {
    auto* icon = new QLabel(parent);
    icon->setObjectName(name);
    icon->setPixmap(Assets::image(image));
    icon->setFixedSize(Assets::image(image).size());
    return icon;
}

} // namespace

KQSLoginVC* KQSLoginVC::login() {
    // Outlives every sign-in stack that shows it; see AppDelegate::replaceRoot.
    static KQSLoginVC* shared = new KQSLoginVC;
    return shared;
}

bool KQSLoginVC::saveLoginAccountWithshopid(const QString& shopId, const QString& userid,
                                            const QString& password) {
    return LoginAccount::saveLoginAccountWithshopid(shopId, userid, password);
}

KQSLoginVC::KQSLoginVC() {
    setObjectName(QStringLiteral("loginVC"));
    // The screen itself holds the focus until the owner touches a field, so that the keyboard
    // does not rise on its own when the window opens.
    setFocusPolicy(Qt::ClickFocus);
    buildViews();
}

void KQSLoginVC::buildViews() {
    LOGOView = new QLabel(this);
    LOGOView->setObjectName(QStringLiteral("LOGOView"));
    LOGOView->setPixmap(Assets::image(QStringLiteral("Login_logo")));
    LOGOView->setAccessibleName(QStringLiteral("店铺管家"));

    textBarView = new QWidget(this);
    textBarView->setObjectName(QStringLiteral("textBarView"));
    textBarView->setAttribute(Qt::WA_StyledBackground);
    textBarView->setStyleSheet(QStringLiteral("#textBarView { background: white; }"
                                              "QLineEdit { background: white; color: %1; }")
                                   .arg(Style::rgbText(Style::darkText())));
    auto* separator = new QWidget(textBarView);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setAttribute(Qt::WA_StyledBackground);
    separator->setStyleSheet(
        QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    separator->setGeometry(0, kRowHeight, 0, 1);

    userIconView = makeIcon(textBarView, QStringLiteral("userIconView"), "Login_geren");
    userIdField = makeField(textBarView, QStringLiteral("userIdField"), "请输入账号");
    userIdField->setInputMethodHints(Qt::ImhDigitsOnly);
    passwordIconView = makeIcon(textBarView, QStringLiteral("passwordIconView"), "Login_mima");
    passwordField = makeField(textBarView, QStringLiteral("passwordField"), "请输入密码");
    passwordField->setEchoMode(QLineEdit::Password);
    passwordField->setInputMethodHints(Qt::ImhHiddenText | Qt::ImhSensitiveData);
    userIdField->installEventFilter(this);
    passwordField->installEventFilter(this);

    loginBtn = new QPushButton(QStringLiteral("登录"), this);
    loginBtn->setObjectName(QStringLiteral("loginBtn"));
    loginBtn->setFont(Style::systemFont(15));
    loginBtn->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: white; border: none; }"
                       "QPushButton:disabled { color: rgb(251,164,160); }")
            .arg(Style::rgbText(Style::accentRed())));
    loginBtn->setEnabled(false);
    connect(loginBtn, &QPushButton::clicked, this, &KQSLoginVC::loginClick);

    forgetBtn = new QPushButton(QStringLiteral("忘了密码?"), this);
    forgetBtn->setObjectName(QStringLiteral("forgetBtn"));
    forgetBtn->setFont(Style::systemFont(12));
    forgetBtn->setFlat(true);
    forgetBtn->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; border: none; background: transparent; }")
            .arg(Style::rgbText(Style::accentRed())));
    connect(forgetBtn, &QPushButton::clicked, this, &KQSLoginVC::forgetPasswordClicked);

    buttomTitleLabel = new QLabel(QStringLiteral("跨境电商店铺管家 · 为卖家而生"), this);
    buttomTitleLabel->setObjectName(QStringLiteral("buttomTitleLabel"));
    buttomTitleLabel->setFont(Style::systemFont(12));
    buttomTitleLabel->setAlignment(Qt::AlignCenter);
    buttomTitleLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(Style::rgbText(Style::greyText())));
    layoutViews();
}

void KQSLoginVC::layoutViews() {
    const int w = width();
    const int top = drawnShift_;
    const QSize logo = LOGOView->pixmap().deviceIndependentSize().toSize();
    LOGOView->setGeometry((w - logo.width()) / 2, top + kLogoTop, logo.width(), logo.height());

    const int panelTop = top + kLogoTop + logo.height() + kPanelGap;
    const int panelWidth = w - 2 * kInset;
    textBarView->setGeometry(kInset, panelTop, panelWidth, kPanelHeight);
    textBarView->findChild<QWidget*>(QStringLiteral("separator"))
        ->setGeometry(0, kRowHeight, panelWidth, 1);
    const auto placeRow = [&](QLabel* icon, QLineEdit* field, int top) {
        icon->move(kIconInset, top + (kRowHeight - icon->height()) / 2);
        const int fieldLeft = kIconInset + icon->width() + kIconInset;
        field->setGeometry(fieldLeft, top, panelWidth - fieldLeft, kRowHeight);
    };
    placeRow(userIconView, userIdField, 0);
    placeRow(passwordIconView, passwordField, kPanelHeight - kRowHeight);

    const int loginTop = panelTop + kPanelHeight + kLoginGap;
    loginBtn->setGeometry(kInset, loginTop, panelWidth, kLoginHeight);
    const int forgetWidth = forgetBtn->sizeHint().width();
    forgetBtn->setGeometry(w - kInset - forgetWidth, loginTop + kLoginHeight + kForgetGap,
                           forgetWidth, kForgetHeight);

    const int creditTop = top + height() - kCreditBottom - kCreditHeight;
    buttomTitleLabel->setGeometry(0, creditTop, w, kCreditHeight);
    // Shrinks the credit to fit the width rather than cutting it off.
    QFont credit = Style::systemFont(12);
    while (credit.pixelSize() > 8 &&
           QFontMetrics(credit).horizontalAdvance(buttomTitleLabel->text()) > w) {
        credit.setPixelSize(credit.pixelSize() - 1);
    }
    buttomTitleLabel->setFont(credit);
}

void KQSLoginVC::resizeEvent(QResizeEvent* event) {
    KQSBaesVC::resizeEvent(event);
    layoutViews();
}

void KQSLoginVC::viewDidLoad() {
    KQSBaesVC::viewDidLoad();
}

void KQSLoginVC::viewWillAppear() {
    KQSBaesVC::viewWillAppear();
    setFocus(Qt::OtherFocusReason);
    keyboardTop_ = Keyboard::instance()->frame().top();
    keyboardConnection_ =
        connect(Keyboard::instance(), &Keyboard::willChangeFrame, this, &KQSLoginVC::keyBoarEvent);
}

void KQSLoginVC::viewWillDisappear() {
    disconnect(keyboardConnection_);
    KQSBaesVC::viewWillDisappear();
}

bool KQSLoginVC::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            textFieldDidBeginEditing(field);
        }
    }
    return KQSBaesVC::eventFilter(watched, event);
}

void KQSLoginVC::textFieldDidBeginEditing(QLineEdit* field) {
    if (field == userIdField) {
        userIdField->clear();
    }
    loginBtn->setEnabled(!passwordField->text().isEmpty() || !userIdField->text().isEmpty());
}

void KQSLoginVC::mousePressEvent(QMouseEvent* event) {
    endEditing();
    KQSBaesVC::mousePressEvent(event);
}

void KQSLoginVC::endEditing() {
    if (userIdField->hasFocus() || passwordField->hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}

void KQSLoginVC::keyBoarEvent(const QRect& keyboardFrame) {
    const int before = keyboardTop_;
    const int after = keyboardFrame.top();
    keyboardTop_ = after;
    if (after < before && !lifted_) {
        lifted_ = true;
        shiftBy(-kKeyboardLift);
    } else if (after > before && lifted_) {
        lifted_ = false;
        shiftBy(kKeyboardLift);
    }
}

void KQSLoginVC::shiftBy(int dy) {
    // The content moves, not the screen, so that the stack keeps owning the screen's place.
    if (!liftAnimation_) {
        liftAnimation_ = new QVariantAnimation(this);
        liftAnimation_->setDuration(kLiftMs);
        connect(liftAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
            drawnShift_ = v.toInt();
            layoutViews();
        });
    }
    liftAnimation_->stop();
    targetShift_ += dy;
    liftAnimation_->setStartValue(drawnShift_);
    liftAnimation_->setEndValue(targetShift_);
    liftAnimation_->start();
}

void KQSLoginVC::loginClick() {
    KQProject& bag = KQProject::project();
    const QString mobile = userIdField->text();
    const QString password = passwordField->text();
    bag.mobile = mobile;
    bag.password = password;
    KQHttpClientList::request_Login(bag,
                                    onReply([this, mobile, password](const QJsonObject& reply) {
                                        signedIn(reply, mobile, password);
                                    }))
        ->guardedBy(this);
}

void KQSLoginVC::signedIn(const QJsonObject& reply, const QString& mobile,
                          const QString& password) {
    const auto data = RecordMapper::fromJson<LoginReplyData>(reply.value("data").toObject());
    saveLoginAccountWithshopid(data.shop_id, mobile, password);
    AppDelegate::showTabs();
}

void KQSLoginVC::forgetPasswordClicked() {
    push(new ForgetPasswordVC);
}
