#include "list_fixtures.h"
#include "platform/ImageView.h"
#include "support/TestPeer.h"

#include <QBuffer>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace {

QColor colourFor(int n) {
    return QColor::fromHsv((n * 37) % 360, 255, 255);
}

QByteArray png(const QColor& colour, int side = 20) {
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

PeerReply picture(const QColor& colour, int delayMs = 0) {
    PeerReply reply;
    reply.contentType = "image/png";
    reply.body = png(colour);
    reply.delayMs = delayMs;
    return reply;
}

QPixmap placeholder() {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::gray);
    return pixmap;
}

QRgb shownColour(const ImageView& view) {
    return view.image().toImage().pixel(5, 5);
}

// A peer serving pictures, and a loader of our own so every test starts with an empty cache.
struct PictureServer : testing::Test {
    QUrl url(const QString& path) const { return peer.baseUrl().resolved(QUrl(path)); }
    bool settled() {
        return QTest::qWaitFor([&] { return loader.requestsInFlight() == 0; });
    }
    TestPeer peer;
    ImageLoader loader;
};

TEST_F(PictureServer, TheSecondWantOfACachedUrlSendsNothing) {
    peer.reply("/red.png", picture(Qt::red));
    ImageView first;
    first.setImageUrl(url("red.png"), placeholder(), &loader);
    EXPECT_TRUE(first.showsPlaceholder());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !first.showsPlaceholder(); }));
    EXPECT_EQ(shownColour(first), qRgb(255, 0, 0));

    ImageView second;
    second.setImageUrl(url("red.png"), placeholder(), &loader);
    EXPECT_FALSE(second.showsPlaceholder());
    EXPECT_EQ(shownColour(second), qRgb(255, 0, 0));
    QTest::qWait(50);
    EXPECT_EQ(peer.count("/red.png"), 1);
    EXPECT_GT(loader.cachedBytes(), 0);
}

TEST_F(PictureServer, ManyWantsOfOneUrlAtOnceShareOneRequest) {
    peer.reply("/slow.png", picture(Qt::blue, 200));
    std::vector<std::unique_ptr<ImageView>> views;
    for (int i = 0; i < 5; ++i) {
        views.push_back(std::make_unique<ImageView>());
        views.back()->setImageUrl(url("slow.png"), placeholder(), &loader);
    }
    // A row that goes away before the picture arrives is simply left out.
    views.back().reset();
    views.pop_back();
    ASSERT_TRUE(settled());
    EXPECT_EQ(peer.count("/slow.png"), 1);
    for (const auto& view : views) {
        EXPECT_FALSE(view->showsPlaceholder());
        EXPECT_EQ(shownColour(*view), qRgb(0, 0, 255));
    }
}

TEST_F(PictureServer, ABrokenUrlOrABodyThatIsNoPictureKeepsThePlaceholder) {
    PeerReply text;
    text.contentType = "text/html";
    text.body = "<html>not a picture</html>";
    peer.reply("/page.png", text);
    PeerReply truncated = picture(Qt::red);
    truncated.body.truncate(30);
    peer.reply("/truncated.png", truncated);
    PeerReply dropped;
    dropped.dropConnection = true;
    peer.reply("/dropped.png", dropped);
    PeerReply refused = picture(Qt::red);
    refused.status = 500;
    peer.reply("/refused.png", refused);

    const QStringList paths{"missing.png", "page.png", "truncated.png", "dropped.png",
                            "refused.png"};
    for (const QString& path : paths) {
        ImageView view;
        QSignalSpy loaded(&view, &ImageView::imageLoaded);
        view.setImageUrl(url(path), placeholder(), &loader);
        ASSERT_TRUE(settled()) << path.toStdString();
        QCoreApplication::processEvents();
        EXPECT_TRUE(view.showsPlaceholder()) << path.toStdString();
        EXPECT_EQ(shownColour(view), QColor(Qt::gray).rgb()) << path.toStdString();
        EXPECT_EQ(loaded.size(), 0);
        EXPECT_TRUE(loader.cachedImage(url(path)).isNull());
    }
    // A failure is not remembered: the next want asks again.
    ImageView again;
    again.setImageUrl(url("page.png"), placeholder(), &loader);
    ASSERT_TRUE(settled());
    EXPECT_EQ(peer.count("/page.png"), 2);
}

TEST_F(PictureServer, ACancelledWantIsNotAnsweredAndOthersStillAre) {
    peer.reply("/slow.png", picture(Qt::blue, 100));
    int cancelledCalls = 0;
    QImage received;
    const ImageLoader::Ticket cancelled =
        loader.load(url("slow.png"), nullptr, [&](const QImage&) { ++cancelledCalls; });
    loader.load(url("slow.png"), nullptr, [&](const QImage& image) { received = image; });
    loader.cancel(cancelled);
    ASSERT_TRUE(settled());
    EXPECT_EQ(cancelledCalls, 0);
    EXPECT_EQ(received.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(peer.count("/slow.png"), 1);
}

TEST_F(PictureServer, AnEmptyOrRelativeUrlAsksNothingAndKeepsThePlaceholder) {
    for (const QUrl& url : {QUrl(), QUrl("picture.png")}) {
        ImageView view;
        view.setImageUrl(url, placeholder(), &loader);
        QTest::qWait(20);
        EXPECT_TRUE(view.showsPlaceholder());
    }
    EXPECT_TRUE(peer.requests().isEmpty());
}

TEST_F(PictureServer, TheCacheStaysWithinItsByteBoundDroppingTheOldest) {
    const qint64 oneImage = QImage(20, 20, QImage::Format_ARGB32).sizeInBytes();
    loader.setCacheLimitBytes(oneImage * 5 / 2);
    for (int i = 0; i < 3; ++i) {
        peer.reply(QString("/%1.png").arg(i).toUtf8(), picture(colourFor(i)));
        ImageView view;
        view.setImageUrl(url(QString("%1.png").arg(i)), placeholder(), &loader);
        ASSERT_TRUE(settled());
        EXPECT_LE(loader.cachedBytes(), loader.cacheLimitBytes());
    }
    EXPECT_TRUE(loader.cachedImage(url("0.png")).isNull());
    EXPECT_FALSE(loader.cachedImage(url("2.png")).isNull());

    ImageView view;
    view.setImageUrl(url("0.png"), placeholder(), &loader);
    ASSERT_TRUE(settled());
    EXPECT_EQ(peer.count("/0.png"), 2);
}

// Rows with one picture each; row 0's picture is slow to come.
class PictureRows : public TableDataSource {
public:
    PictureRows(const QUrl& base, ImageLoader* loader) : m_base(base), m_loader(loader) {}
    int numberOfRows(TableView*, int) override { return 100; }
    int heightForRow(TableView*, IndexPath) override { return 133; }
    TableCell* cellForRow(TableView* table, IndexPath path) override {
        TableCell* cell = table->dequeueReusableCell("PictureCell");
        if (!cell) {
            cell = new TableCell("PictureCell");
            auto* picture = new ImageView(cell);
            picture->setObjectName("picture");
            picture->setGeometry(22, 21, 85, 85);
        }
        auto* picture = cell->findChild<ImageView*>("picture");
        picture->setImageUrl(m_base.resolved(QUrl(QString("row/%1.png").arg(path.row))),
                             placeholder(), m_loader);
        return cell;
    }

private:
    QUrl m_base;
    ImageLoader* m_loader;
};

TEST_F(PictureServer, ARowReusedForAnotherUrlNeverShowsTheEarlierPicture) {
    peer.setHandler([](const PeerRequest& request) {
        const int row = QString(request.path).section('/', -1).section('.', 0, 0).toInt();
        return picture(colourFor(row), row == 0 ? 400 : 0);
    });
    PictureRows rows(peer.baseUrl(), &loader);
    QWidget window;
    window.resize(375, 667);
    auto* table = new TableView(TableView::Style::Plain, &window);
    table->setGeometry(window.rect());
    table->setDataSource(&rows);
    table->reloadData();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TableCell* firstRow = table->cellForRow({0, 0});

    // Row 0's picture is still on its way when its row widget is handed to another row.
    table->setContentOffset(20 * 133);
    const auto reusedFor = table->indexPathForCell(firstRow);
    ASSERT_TRUE(reusedFor.has_value());
    ASSERT_TRUE(peer.waitForRequest("/row/0.png"));
    ASSERT_TRUE(settled());

    for (TableCell* cell : table->visibleCells()) {
        const int row = table->indexPathForCell(cell)->row;
        auto* picture = cell->findChild<ImageView*>("picture");
        EXPECT_FALSE(picture->showsPlaceholder()) << row;
        EXPECT_EQ(shownColour(*picture), colourFor(row).rgb()) << row;
    }
    EXPECT_EQ(shownColour(*firstRow->findChild<ImageView*>("picture")),
              colourFor(reusedFor->row).rgb());
}

} // namespace

TEST(ImageViewShape, ACircularViewShowsThePictureOnlyInsideItsCircle) {
    QPixmap red(58, 58);
    red.fill(Qt::red);
    ImageView view;
    view.resize(58, 58);
    view.setImage(red);
    view.setCircular(true);
    QPixmap canvas(58, 58);
    canvas.fill(Qt::white);
    view.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage drawn = canvas.toImage();
    EXPECT_EQ(drawn.pixel(29, 29), qRgb(255, 0, 0));
    EXPECT_EQ(drawn.pixel(2, 2), qRgb(255, 255, 255)) << "a corner lies outside the circle";
    view.setCircular(false);
    canvas.fill(Qt::white);
    view.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(canvas.toImage().pixel(2, 2), qRgb(255, 0, 0));
}
