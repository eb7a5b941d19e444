#include "PrintFixture.h"
#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "common/ModalDriver.h"
#include "toolkit/Application.h"
#include "toolkit/print/PrinterSetupDialog.h"
#include "toolkit/print/PrinterState.h"

#include <QComboBox>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

using namespace printfixture;

// Printing the label through the real spooler, measured on the PDFs that the
// cups-pdf queues write.
class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void discPrintsAtActualSize_data();
    void discPrintsAtActualSize();
    void hiddenElementsLeaveNoTrace();
    void backgroundShowsInTheCorners();
    void copiesReachTheJobAndCarryOver();
    void cancelPrintsNothing();
    void vanishedPrinterPrintsNothing();
    void noPrinterOpensNoDialog();

private:
    // Runs "打印..." and confirms the dialog (with `copies` when > 0).
    QString printViaMenu(int copies = 0, int* offeredCopies = nullptr);
    // Runs "页面设置..." choosing printer, paper and orientation.
    void pageSetup(const QString& printer, QPageSize::PageSizeId paper, bool landscape);
    QString errorOf(const char* action);

    std::unique_ptr<TForm1> m_form;
};

void TestPrinting::initTestCase()
{
    if (!cupsRunning())
        QSKIP("no CUPS server runs here (scripts/start-cups.sh starts one)");
    restoreQueues();
}

void TestPrinting::init()
{
    toolkit::PrinterState::instance().reset();
    m_form = std::make_unique<TForm1>();
    Form1 = m_form.get();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestPrinting::cleanup()
{
    Form1 = nullptr;
    m_form.reset();
}

void TestPrinting::cleanupTestCase()
{
    restoreQueues();
}

QString TestPrinting::printViaMenu(int copies, int* offeredCopies)
{
    const QStringList before = pdfFiles();
    testing::whenModalOf<QPrintDialog>([=](QPrintDialog* dialog) {
        auto* spin = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        if (offeredCopies)
            *offeredCopies = spin ? spin->value() : -1;
        if (spin && copies > 0)
            spin->setValue(copies);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    return waitForNewPdf(before);
}

void TestPrinting::pageSetup(const QString& printer, QPageSize::PageSizeId paper, bool landscape)
{
    testing::whenModalOf<toolkit::PrinterSetupDialog>([=](toolkit::PrinterSetupDialog* d) {
        d->printerBox()->setCurrentText(printer);
        const int i = d->paperBox()->findData(QVariant::fromValue(paper));
        if (i < 0) {
            d->reject();
            QFAIL("paper not offered");
        }
        d->paperBox()->setCurrentIndex(i);
        d->landscapeButton()->setChecked(landscape);
        d->accept();
    });
    m_form->findChild<QAction*>(QStringLiteral("N1"))->trigger();
}

QString TestPrinting::errorOf(const char* action)
{
    QString text;
    bool otherDialog = false;
    testing::whenModal([&](QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            text = box->text();
            box->accept();
        } else {
            otherDialog = true;
            QMetaObject::invokeMethod(w, "reject");
        }
    });
    m_form->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    if (otherDialog)
        return QStringLiteral("<a dialog opened>");
    return text;
}

// The bounding box of the dark pixels in millimetres: the outer circle is
// the outermost thing the label draws.
static QRectF darkBoxMm(const QImage& page, int dpi)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* line = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x)
            if (line[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    const double mm = 25.4 / dpi;
    return QRectF(left * mm, top * mm, (right - left + 1) * mm, (bottom - top + 1) * mm);
}

void TestPrinting::discPrintsAtActualSize_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::newRow("A4 portrait") << QPageSize::A4 << false;
    QTest::newRow("A4 landscape") << QPageSize::A4 << true;
    QTest::newRow("Letter portrait") << QPageSize::Letter << false;
    QTest::newRow("Letter landscape") << QPageSize::Letter << true;
}

void TestPrinting::discPrintsAtActualSize()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(bool, landscape);
    pageSetup(kDefaultQueue, paper, landscape);
    const QPageLayout chosen = toolkit::PrinterState::instance().printer().pageLayout();
    QCOMPARE(chosen.orientation() == QPageLayout::Landscape, landscape);
    QCOMPARE(chosen.pageSize().id(), paper);
    const QString pdf = printViaMenu();
    QVERIFY2(!pdf.isEmpty(), "no PDF came out of the queue");
    QCOMPARE(pdfPages(pdf), 1);
    const QSizeF page = pageSizeMm(pdf);
    QVERIFY(std::abs(std::min(page.width(), page.height()) -
                     QPageSize(paper).size(QPageSize::Millimeter).width()) < 1);

    constexpr int dpi = 600;
    QImage image = rasterise(pdf, dpi);
    QVERIFY(!image.isNull());
    // The queue puts a landscape page on the sheet turned a quarter to the
    // left; turn it back to read it as the user sees it.
    if (landscape && page.width() < page.height())
        image = image.transformed(QTransform().rotate(90));
    const QRectF disc = darkBoxMm(image.convertToFormat(QImage::Format_Grayscale8), dpi);
    qInfo("%s: disc %.3f x %.3f mm at %.3f, %.3f mm (page %.1f x %.1f mm)", qPrintable(QPageSize(paper).name()),
          disc.width(), disc.height(), disc.left(), disc.top(), page.width(), page.height());
    // One printer pixel (300 dpi) plus one pixel of the measurement.
    const double tolerance = 25.4 / 300 + 25.4 / dpi;
    QVERIFY(std::abs(disc.width() - 119.06) <= tolerance);
    QVERIFY(std::abs(disc.height() - 119.06) <= tolerance);
    // cups-pdf can print on the whole sheet, so the printable corner is the
    // paper's corner.
    QVERIFY(std::abs(disc.left() - 6.09) <= tolerance);
    QVERIFY(std::abs(disc.top() - 8.73) <= tolerance);
}

void TestPrinting::hiddenElementsLeaveNoTrace()
{
    for (const char* item : {"ShowTitleMenu", "ShowOutCricleMenu", "ShowButtomMenu", "ShowLeftMenu",
                             "ShowRightMenu"})
        m_form->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    const QString pdf = printViaMenu();
    QVERIFY(!pdf.isEmpty());
    constexpr int dpi = 150;
    const QImage image = rasterise(pdf, dpi).convertToFormat(QImage::Format_Grayscale8);
    // Only the centre circle is left: 70 design pixels = 18.52 mm, centred at
    // (23 + 225, 33 + 225) design pixels.
    const QRectF box = darkBoxMm(image, dpi);
    QVERIFY2(std::abs(box.width() - 18.52) < 0.5, qPrintable(QString::number(box.width())));
    QVERIFY(std::abs(box.center().x() - 248 * 25.4 / 96) < 0.5);
    QVERIFY(std::abs(box.center().y() - 258 * 25.4 / 96) < 0.5);
}

void TestPrinting::backgroundShowsInTheCorners()
{
    m_form->findChild<QAction*>(QStringLiteral("BackImageMenu"))->trigger();
    const QString pdf = printViaMenu();
    QVERIFY(!pdf.isEmpty());
    constexpr int dpi = 96;
    const QImage image = rasterise(pdf, dpi, false).convertToFormat(QImage::Format_RGB32);
    // The panel's top-left corner holds sky, the margin is white paper, the
    // disc's inside is white.
    const QColor corner = image.pixelColor(23 + 4, 33 + 4);
    QVERIFY2(corner.blue() > corner.red() + 40, qPrintable(corner.name()));
    QVERIFY(qGray(image.pixel(5, 5)) > 250);
    QVERIFY(qGray(image.pixel(23 + 225, 33 + 160)) > 240);
}

void TestPrinting::copiesReachTheJobAndCarryOver()
{
    const QString pdf = printViaMenu(3);
    QVERIFY(!pdf.isEmpty());
    const int job = lastJobId();
    QCOMPARE(jobCopies(job), 3);
    // The queue made the copies of the one page we drew.
    QCOMPARE(pdfPages(pdf), 3);
    QCOMPARE(jobName(job), QString());
    int offered = 0;
    printViaMenu(0, &offered);
    QCOMPARE(offered, 3);
}

void TestPrinting::cancelPrintsNothing()
{
    const int jobs = lastJobId();
    const QPageLayout layout = toolkit::PrinterState::instance().printer().pageLayout();
    testing::whenModalOf<QPrintDialog>([](QPrintDialog* d) {
        d->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(5);
        QMetaObject::invokeMethod(d, "reject");
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    QTest::qWait(500);
    QCOMPARE(lastJobId(), jobs);
    QCOMPARE(toolkit::PrinterState::instance().printer().copyCount(), 1);
    QVERIFY(toolkit::PrinterState::instance().printer().pageLayout().isEquivalentTo(layout));
}

void TestPrinting::vanishedPrinterPrintsNothing()
{
    pageSetup(kSecondQueue, QPageSize::A4, false);
    QCOMPARE(toolkit::PrinterState::instance().printer().printerName(), kSecondQueue);
    const int jobs = lastJobId();
    QString text;
    testing::whenModalOf<QPrintDialog>([](QPrintDialog* d) {
        // The printer goes away after it was chosen, before the job starts.
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kSecondQueue});
        QMetaObject::invokeMethod(d, "accept");
    });
    testing::whenModalOf<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    restoreQueues();
    QVERIFY(text.startsWith(u"Printer selected is not valid"));
    QCOMPARE(lastJobId(), jobs);
    QVERIFY(!toolkit::PrinterState::instance().printing());
}

void TestPrinting::noPrinterOpensNoDialog()
{
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kDefaultQueue});
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), kSecondQueue});
    const QString print = errorOf("print1");
    const QString setup = errorOf("N1");
    restoreQueues();
    QCOMPARE(print, QStringLiteral("There is no default printer currently selected."));
    QCOMPARE(setup, QStringLiteral("There is no default printer currently selected."));
}

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    QImageReader::setAllocationLimit(1024); // whole pages at 600 dpi
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
