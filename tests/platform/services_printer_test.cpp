#include "platform/printer.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ServicesPrinter, ImageFitsThePageKeepingItsAspect) {
    struct Row {
        QSize image;
        QRect page;
        QRect fitted;
    };
    const Row rows[] = {
        {{2670, 2670}, {0, 0, 1100, 800}, {0, 0, 800, 800}},   // square on a landscape page
        {{2000, 1000}, {0, 0, 1000, 1000}, {0, 0, 1000, 500}}, // wide: the width limits
        {{1000, 2000}, {0, 0, 1000, 1000}, {0, 0, 500, 1000}}, // tall: the height limits
        {{100, 50}, {0, 0, 1000, 1000}, {0, 0, 1000, 500}},    // small images grow
        {{300, 200}, {20, 30, 600, 400}, {20, 30, 600, 400}},  // same aspect, page origin kept
        {{0, 0}, {0, 0, 1000, 1000}, {}},                      // nothing to print
        {{100, 100}, {}, {}},                                  // no page
    };
    for (const Row& row : rows) {
        EXPECT_EQ(fitToPage(row.image, row.page), row.fitted)
            << row.image.width() << "x" << row.image.height();
    }
}

TEST(ServicesPrinter, PrintsToAPdfPrinter) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("map.pdf"));
    printer.setPageOrientation(QPageLayout::Landscape);

    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(printImageOn(printer, image));
    QFile pdf(folder.filePath("map.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");

    QPrinter unused;
    unused.setOutputFormat(QPrinter::PdfFormat);
    unused.setOutputFileName(folder.filePath("empty.pdf"));
    EXPECT_FALSE(printImageOn(unused, QImage()));
    EXPECT_FALSE(QFile::exists(folder.filePath("empty.pdf")));
}

} // namespace
} // namespace platform
