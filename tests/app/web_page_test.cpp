#include "app/WebPage.h"
#include "support/ServiceFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Opening a page with the web module missing or broken: the owner reads why, nothing crashes
// and no screen comes back to be pushed.
class MissingWebModuleTest : public ServiceFixture {
protected:
    void TearDown() override {
        qunsetenv("SHOP_WEB_MODULE");
        ServiceFixture::TearDown();
    }
};

TEST_F(MissingWebModuleTest, TheOwnerIsToldAndNoScreenOpens) {
    const QString libraries = QFileInfo(WebPage::modulePath()).absolutePath();
    const QString notALibrary = folder.filePath("libshopweb.so");
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a library");
    file.close();

    struct Case {
        const char* what;
        QString module;
    };
    const Case cases[] = {
        {"no file there", folder.filePath("absent/libshopweb.so")},
        {"a file that is no library", notALibrary},
        {"a library that is no web module", QDir(libraries).filePath("libshop_platform.so")},
    };
    for (const Case& c : cases) {
        qputenv("SHOP_WEB_MODULE", c.module.toLocal8Bit());
        EXPECT_EQ(WebPage::modulePath(), c.module);
        EXPECT_EQ(WebPage::create("https://m.shop.example/index.html?shopId=1", "店铺预览"),
                  nullptr)
            << c.what;
        EXPECT_TRUE(Toast::visibleTexts().contains(WebPage::kModuleMissingMessage)) << c.what;
        Clock::advance(2 * Toast::durationMs);
    }
    ASSERT_TRUE(QFileInfo::exists(QDir(libraries).filePath("libshop_platform.so")))
        << "the third case needs a real library";
}

} // namespace
