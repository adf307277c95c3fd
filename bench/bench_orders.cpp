// The real order list with 100 pages of orders: every page is the recorded reply of the demo
// service's "order/list.do" (10 orders, 20 items), served over HTTP on 127.0.0.1 and loaded
// through load-more. Prints the page load time, the scrolling paint time per frame and the
// live row widgets, offscreen.
#include "BenchFigures.h"
#include "app/KQSNavigtionVC.h"
#include "orders/KQSOrderVC.h"
#include "platform/PhoneWindow.h"
#include "platform/RefreshControl.h"
#include "service/ServiceConfig.h"
#include "ui/KQBaseTableView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

constexpr int pageCount = 100;
constexpr int scrollStep = 47;

// Answers every request with the same recorded reply, one request per connection.
class RecordedPeer : public QTcpServer {
public:
    explicit RecordedPeer(QByteArray body) : m_body(std::move(body)) {
        connect(this, &QTcpServer::newConnection, this, &RecordedPeer::accept);
    }

private:
    void accept() {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }
    void read(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            return;
        }
        qsizetype length = 0;
        for (const QByteArray& line : buffer.left(headerEnd).split('\n')) {
            if (line.toLower().startsWith("content-length:")) {
                length = line.mid(15).trimmed().toLongLong();
            }
        }
        if (buffer.size() < headerEnd + 4 + length) {
            return;
        }
        m_buffers.remove(socket);
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json;charset=UTF-8\r\n"
                      "Connection: close\r\nContent-Length: " +
                      QByteArray::number(m_body.size()) + "\r\n\r\n" + m_body);
        socket->disconnectFromHost();
    }

    QByteArray m_body;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

QByteArray recordedReply() {
    QFile file(QStringLiteral(SHOP_BENCH_DATA "/order_list_page.json"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

using BenchFigures::peakResidentMegabytes;
using BenchFigures::percentile;
using BenchFigures::threadCpuMs;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QByteArray reply = recordedReply();
    if (reply.isEmpty()) {
        std::fprintf(stderr, "bench_orders: the recorded reply is missing\n");
        return 1;
    }
    RecordedPeer peer(reply);
    if (!peer.listen(QHostAddress::LocalHost)) {
        std::fprintf(stderr, "bench_orders: cannot listen\n");
        return 1;
    }
    ServiceConfig::setServiceUrl(QStringLiteral("http://127.0.0.1:%1/").arg(peer.serverPort()));

    PhoneWindow window;
    auto* list = new KQSOrderVC(0);
    window.setRoot(new KQSNavigtionVC(list));
    window.show();
    KQBaseTableView* table = list->contentView()->tableView();

    // One page: start the control and run the event loop until it has been ended.
    const auto loadPage = [](RefreshControl* control) {
        QEventLoop loop;
        QObject::connect(control, &RefreshControl::refreshingEnded, &loop, &QEventLoop::quit);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QElapsedTimer one;
        one.start();
        control->beginRefreshing();
        if (control->isRefreshing()) {
            loop.exec();
        }
        return double(one.nsecsElapsed()) / 1e6;
    };
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "bench_orders: the window was never shown\n");
        return 1;
    }
    // The first page is asked for as the list appears; it is measured again here.
    QElapsedTimer loading;
    loading.start();
    std::vector<double> pageMs{loadPage(table->refreshHeader())};
    for (int page = 2; page <= pageCount; ++page) {
        pageMs.push_back(loadPage(table->loadMoreFooter()));
    }
    const double allPagesMs = double(loading.nsecsElapsed()) / 1e6;
    if (list->contentView()->modelArray().size() != pageCount * 10) {
        std::fprintf(stderr, "bench_orders: only %lld orders arrived\n",
                     static_cast<long long>(list->contentView()->modelArray().size()));
        return 1;
    }
    QApplication::processEvents();

    std::vector<double> frames;
    std::vector<double> cpuFrames;
    int liveRows = 0;
    QElapsedTimer timer;
    for (int y = 0; y <= table->maximumContentOffset(); y += scrollStep) {
        const double cpuStart = threadCpuMs();
        timer.start();
        table->setContentOffset(y);
        table->viewport()->repaint();
        frames.push_back(double(timer.nsecsElapsed()) / 1e6);
        cpuFrames.push_back(threadCpuMs() - cpuStart);
        liveRows = std::max(liveRows, table->rowWidgetCount());
        // Between two frames the event loop deletes the headers and footers that left.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::printf("bench_orders.orders: %lld count\n",
                static_cast<long long>(list->contentView()->modelArray().size()));
    std::printf("bench_orders.rows: %d count\n", [table] {
        int rows = 0;
        for (int s = 0; s < table->numberOfSections(); ++s) {
            rows += table->numberOfRows(s);
        }
        return rows;
    }());
    std::printf("bench_orders.load_all_pages: %.1f ms\n", allPagesMs);
    std::printf("bench_orders.load_page_median: %.3f ms\n", percentile(pageMs, 0.5));
    std::printf("bench_orders.load_page_p99: %.3f ms\n", percentile(pageMs, 0.99));
    std::printf("bench_orders.frames: %zu count\n", frames.size());
    std::printf("bench_orders.paint_median: %.3f ms\n", percentile(frames, 0.5));
    std::printf("bench_orders.paint_p99: %.3f ms\n", percentile(frames, 0.99));
    std::printf("bench_orders.paint_cpu_median: %.3f ms\n", percentile(cpuFrames, 0.5));
    std::printf("bench_orders.paint_cpu_p99: %.3f ms\n", percentile(cpuFrames, 0.99));
    std::printf("bench_orders.live_row_widgets: %d count\n", liveRows);
    std::printf("bench_orders.peak_rss: %.1f MB\n", peakResidentMegabytes());
    return 0;
}
