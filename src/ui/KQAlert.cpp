#include "ui/KQAlert.h"

#include "platform/ImagePicker.h"
#include "platform/Toast.h"

#include <QDesktopServices>
#include <QUrl>

Alert* KQAlert::alertControllerWithOKaction(const std::optional<KQAlertAction>& ok,
                                            const std::optional<KQAlertAction>& cancel,
                                            const QString& title, const QString& message) {
    auto* alert = new Alert(title, message);
    for (const auto& action : {ok, cancel}) {
        if (action) {
            alert->addAction(action->title, action->style, action->handler);
        }
    }
    return alert;
}

Alert* KQAlert::StoreLogoImageWithController(QWidget* screen,
                                             std::function<void(const QImage&)> picked) {
    auto* picker = new ImagePicker(screen);
    picker->setAllowsEditing(true);
    QObject::connect(picker, &ImagePicker::picked, picker, [picked](const QImage& image) {
        if (picked) {
            picked(image);
        }
    });
    QObject::connect(picker, &ImagePicker::failed, picker,
                     [] { Toast::showError(QStringLiteral("图片无法读取")); });
    // The picker serves one choice.
    QObject::connect(picker, &ImagePicker::picked, picker, &QObject::deleteLater);
    QObject::connect(picker, &ImagePicker::cancelled, picker, &QObject::deleteLater);
    QObject::connect(picker, &ImagePicker::failed, picker, &QObject::deleteLater);

    auto* sheet = new ActionSheet(QStringLiteral("修改店铺LOGO"));
    sheet->addAction(QStringLiteral("拍照"), Alert::Style::Default, [picker] {
        if (Helper::checkCameraAuthorizationStatus()) {
            picker->setSourceType(ImagePicker::Source::Camera);
            picker->present();
        } else {
            picker->deleteLater();
        }
    });
    sheet->addAction(QStringLiteral("从相册中选择"), Alert::Style::Default, [picker] {
        if (Helper::checkPhotoLibraryAuthorizationStatus()) {
            picker->setSourceType(ImagePicker::Source::PhotoLibrary);
            picker->present();
        }
    });
    sheet->addAction(QStringLiteral("取消"), Alert::Style::Cancel,
                     [picker] { picker->deleteLater(); });
    sheet->present();
    return sheet;
}

Alert* KQAlert::alertPaypalWithBlind(bool bound, std::function<void()> sure) {
    const KQAlertAction confirm{QStringLiteral("确定"), Alert::Style::Default, std::move(sure)};
    if (bound) {
        return alertControllerWithOKaction(confirm, std::nullopt, QStringLiteral("提示"),
                                           QStringLiteral("请先解绑再更换账号"));
    }
    return alertControllerWithOKaction(
        confirm, KQAlertAction{QStringLiteral("取消"), Alert::Style::Cancel, {}},
        QStringLiteral("提示"), QStringLiteral("请确定是否要解除绑定"));
}

bool Helper::checkPhotoLibraryAuthorizationStatus() {
    return true;
}

bool Helper::checkCameraAuthorizationStatus() {
    if (!ImagePicker::cameraAvailable()) {
        auto* alert = new Alert(QStringLiteral("提示"), QStringLiteral("该设备不支持拍照"));
        alert->addAction(QStringLiteral("知道了"), Alert::Style::Cancel);
        alert->present();
        return false;
    }
    return true;
}

Alert* Helper::showSettingAlertStr(const QString& message) {
    auto* alert = new Alert(QStringLiteral("提示"), message);
    alert->addAction(QStringLiteral("取消"), Alert::Style::Cancel);
    alert->addAction(QStringLiteral("设置"), Alert::Style::Default,
                     [] { QDesktopServices::openUrl(QUrl(QStringLiteral("settings:"))); });
    alert->present();
    return alert;
}
