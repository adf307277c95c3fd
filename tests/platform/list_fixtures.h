#pragma once

#include "platform/TableView.h"
#include "support/Gestures.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

// A row showing "section-row", counting how many rows were ever made.
class TextCell : public TableCell {
public:
    static constexpr const char* Identifier = "TextCell";
    explicit TextCell(QWidget* parent = nullptr)
        : TableCell(Identifier, parent), label(new QLabel(this)) {
        label->setObjectName("textLabel");
        label->setGeometry(10, 0, 200, 30);
    }
    QLabel* label;
};

// Sections of plain text rows, with optional header and footer views.
class RowsSource : public TableDataSource {
public:
    explicit RowsSource(std::vector<int> rowsPerSection, int rowHeight = 133)
        : rows(std::move(rowsPerSection)), height(rowHeight) {}

    int numberOfSections(TableView*) override { return int(rows.size()); }
    int numberOfRows(TableView*, int section) override { return rows[size_t(section)]; }
    int heightForRow(TableView*, IndexPath) override { return height; }
    int heightForHeader(TableView*, int) override { return headerHeight; }
    int heightForFooter(TableView*, int) override { return footerHeight; }
    QWidget* viewForHeader(TableView*, int section) override {
        return headerHeight > 0 ? sectionLabel("header", section) : nullptr;
    }
    QWidget* viewForFooter(TableView*, int section) override {
        return footerHeight > 0 ? sectionLabel("footer", section) : nullptr;
    }
    TableCell* cellForRow(TableView* table, IndexPath path) override {
        auto* cell = static_cast<TextCell*>(table->dequeueReusableCell(TextCell::Identifier));
        if (!cell) {
            cell = new TextCell;
            ++created;
        }
        cell->label->setText(QString("%1-%2").arg(path.section).arg(path.row));
        return cell;
    }

    std::vector<int> rows;
    int height;
    int headerHeight = 0;
    int footerHeight = 0;
    int created = 0;

private:
    static QLabel* sectionLabel(const QString& kind, int section) {
        auto* label = new QLabel(QString("%1 %2").arg(kind).arg(section));
        label->setObjectName(kind);
        return label;
    }
};
