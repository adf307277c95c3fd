// Scrolling a long list: paint time per frame, live row widgets and peak memory for
// 10 000 rows of 133 points in a 667-point window, offscreen.
#include "BenchFigures.h"
#include "platform/ImageView.h"
#include "platform/TableView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

constexpr int rowCount = 10000;
constexpr int rowHeight = 133;
constexpr int windowHeight = 667;
// Not a divisor of the row height, so frames land at every position within a row.
constexpr int scrollStep = 47;

// A row shaped like a goods row: a picture and four lines of text.
class GoodsLikeRow : public TableCell {
public:
    GoodsLikeRow() : TableCell("GoodsLikeRow") {
        setSelectionStyle(SelectionStyle::None);
        picture->setGeometry(22, 21, 85, 85);
        picture->setContentMode(ImageView::ContentMode::AspectFill);
        const int tops[] = {21, 48, 71, 100};
        for (int i = 0; i < 4; ++i) {
            lines[i] = new QLabel(this);
            lines[i]->setGeometry(125, tops[i], 229, 18);
        }
    }
    void fill(int row, const QPixmap& placeholder) {
        picture->setImage(placeholder);
        lines[0]->setText(QString("商品名称 %1").arg(row));
        lines[1]->setText("商品规格: 红,XL");
        lines[2]->setText(QString("商品数量: %1").arg(row % 7 + 1));
        lines[3]->setText(QString("US$%1.50").arg(row % 100));
    }

private:
    ImageView* picture = new ImageView(this);
    QLabel* lines[4] = {};
};

class LongList : public TableDataSource {
public:
    LongList() : m_placeholder(85, 85) { m_placeholder.fill(QColor(156, 162, 162)); }
    int numberOfRows(TableView*, int) override { return rowCount; }
    int heightForRow(TableView*, IndexPath) override { return rowHeight; }
    TableCell* cellForRow(TableView* table, IndexPath path) override {
        auto* row = static_cast<GoodsLikeRow*>(table->dequeueReusableCell("GoodsLikeRow"));
        if (!row) {
            row = new GoodsLikeRow;
        }
        row->fill(path.row, m_placeholder);
        return row;
    }

private:
    QPixmap m_placeholder;
};

} // namespace

using BenchFigures::peakResidentMegabytes;
using BenchFigures::percentile;
using BenchFigures::threadCpuMs;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    LongList list;
    QWidget window;
    window.resize(375, windowHeight);
    auto* table = new TableView(TableView::Style::Plain, &window);
    table->setGeometry(window.rect());
    table->setDataSource(&list);
    table->reloadData();
    window.show();
    QApplication::processEvents();

    // Wall time is what the owner sees; on a shared machine its slowest frames are mostly
    // time spent waiting for the processor, which the thread's own CPU time leaves out.
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
    }

    std::printf("bench_list.frames: %zu count\n", frames.size());
    std::printf("bench_list.paint_median: %.3f ms\n", percentile(frames, 0.5));
    std::printf("bench_list.paint_p99: %.3f ms\n", percentile(frames, 0.99));
    std::printf("bench_list.paint_cpu_median: %.3f ms\n", percentile(cpuFrames, 0.5));
    std::printf("bench_list.paint_cpu_p99: %.3f ms\n", percentile(cpuFrames, 0.99));
    std::printf("bench_list.live_row_widgets: %d count\n", liveRows);
    std::printf("bench_list.peak_rss: %.1f MB\n", peakResidentMegabytes());
    return 0;
}
