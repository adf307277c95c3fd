#pragma once

#include "platform/Alert.h"

#include <QImage>
#include <functional>
#include <optional>

class ImagePicker;

// One button of an alert built here.
struct KQAlertAction {
    QString title;
    Alert::Style style = Alert::Style::Default;
    std::function<void()> handler;
};

// The alerts several screens share.
class KQAlert {
public:
    // Title and message with the confirm action first, then the cancel action, each only if
    // given. Not yet presented.
    static Alert* alertControllerWithOKaction(const std::optional<KQAlertAction>& ok,
                                              const std::optional<KQAlertAction>& cancel,
                                              const QString& title, const QString& message);

    // The logo-source sheet "修改店铺LOGO": "拍照", "从相册中选择", "取消". The chosen picture,
    // cropped to a square, goes to picked. Presents the sheet and returns it.
    static Alert* StoreLogoImageWithController(QWidget* screen,
                                               std::function<void(const QImage&)> picked);

    // "提示" before changing the payout account: bound asks to unbind first, otherwise asks
    // to confirm the unbinding. "确定" runs sure. Not yet presented.
    static Alert* alertPaypalWithBlind(bool bound, std::function<void()> sure);
};

// Permission checks before the camera or the photo album is used.
class Helper {
public:
    // The desktop asks no permission for picture files.
    static bool checkPhotoLibraryAuthorizationStatus();
    // Without a camera: the alert "该设备不支持拍照" and false.
    static bool checkCameraAuthorizationStatus();
    // "提示" with the message, "取消" and "设置" (opens the system settings when it can).
    static Alert* showSettingAlertStr(const QString& message);
};
