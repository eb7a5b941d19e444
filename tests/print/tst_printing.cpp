#include "PrintFixture.h"
#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "common/ModalDriver.h"
#include "toolkit/Application.h"
#include "toolkit/Error.h"
#include "toolkit/print/FormPrinter.h"
#include "toolkit/print/PrinterSetupDialog.h"
#include "toolkit/print/PrinterState.h"

#include <QComboBox>
#include <QImageReader>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
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
    void hiddenElementsLeaveNoTrace_data();
    void hiddenElementsLeaveNoTrace();
    void backgroundShowsInTheCorners();
    void pagePrintsTheWindowAsShown();
    void printDialogOffersPrinterCopiesAndProperties();
    void paperChosenUnderPropertiesIsPrinted();
    void paperSourceReachesTheJob();
    void copiesReachTheJobAndCarryOver();
    void systemDefaultChangeIsNotFollowed();
    void cancelPrintsNothing();
    void printingInProgressRefusesDialogs_data();
    void printingInProgressRefusesDialogs();
    void failureAfterTheJobStartedStillEndsIt();
    void vanishedPrinterPrintsNothing();
    void noPrinterOpensNoDialog();

private:
    // Runs "打印..." and confirms the dialog (with `copies` when > 0).
    QString printViaMenu(int copies = 0, int* offeredCopies = nullptr);
    // Runs "页面设置..." choosing printer, paper and orientation.
    void pageSetup(const QString& printer, QPageSize::PageSizeId paper, bool landscape);
    QString errorOf(const char* action);
    QAction* action(const char* name) const {
        return m_form->findChild<QAction*>(QString::fromLatin1(name));
    }

    std::unique_ptr<TForm1> m_form;
};

void TestPrinting::initTestCase() {
    if (!cupsRunning())
        QSKIP("no CUPS server runs here (scripts/start-cups.sh starts one)");
    restoreQueues();
    useOwnJobUser();
}

void TestPrinting::init() {
    toolkit::PrinterState::instance().reset();
    m_form = std::make_unique<TForm1>();
    Form1 = m_form.get();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void TestPrinting::cleanup() {
    Form1 = nullptr;
    m_form.reset();
}

void TestPrinting::cleanupTestCase() {}

QString TestPrinting::printViaMenu(int copies, int* offeredCopies) {
    const int before = lastJobId();
    testing::whenModalOf<QPrintDialog>([=](QPrintDialog* dialog) {
        auto* spin = dialog->findChild<QSpinBox*>(QStringLiteral("copies"));
        if (offeredCopies)
            *offeredCopies = spin ? spin->value() : -1;
        if (spin && copies > 0)
            spin->setValue(copies);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    const int job = lastJobId();
    return job > before ? pdfOfJob(job) : QString();
}

void TestPrinting::pageSetup(const QString& printer, QPageSize::PageSizeId paper, bool landscape) {
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

QString TestPrinting::errorOf(const char* action) {
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
static QRectF darkBoxMm(const QImage& page, int dpi) {
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

void TestPrinting::discPrintsAtActualSize_data() {
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<int>("dpi"); // the printer's resolution
    for (int dpi : {1200, 600, 300})
        for (bool landscape : {false, true})
            QTest::addRow("whole sheet, A4 %s, %d dpi", landscape ? "landscape" : "portrait", dpi)
                << kDefaultQueue << QPageSize::A4 << landscape << dpi;
    QTest::newRow("whole sheet, Letter portrait")
        << kDefaultQueue << QPageSize::Letter << false << 1200;
    QTest::newRow("whole sheet, Letter landscape")
        << kDefaultQueue << QPageSize::Letter << true << 1200;
    QTest::newRow("margins, A4 portrait") << kSecondQueue << QPageSize::A4 << false << 1200;
    QTest::newRow("margins, A4 landscape") << kSecondQueue << QPageSize::A4 << true << 1200;
    QTest::newRow("margins, Letter portrait, 300 dpi")
        << kSecondQueue << QPageSize::Letter << false << 300;
}

void TestPrinting::discPrintsAtActualSize() {
    QFETCH(QString, queue);
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(bool, landscape);
    QFETCH(int, dpi);
    pageSetup(queue, paper, landscape);
    QPrinter& printer = toolkit::PrinterState::instance().printer();
    QCOMPARE(printer.printerName(), queue);
    QCOMPARE(printer.pageLayout().orientation() == QPageLayout::Landscape, landscape);
    QCOMPARE(printer.pageLayout().pageSize().id(), paper);
    printer.setResolution(dpi);
    const QString pdf = printViaMenu();
    QVERIFY2(!pdf.isEmpty(), "no PDF came out of the queue");
    QCOMPARE(toolkit::PrinterState::instance().printer().resolution(), dpi);
    QCOMPARE(pdfPages(pdf), 1);
    const QSizeF sheet = QPageSize(paper).size(QPageSize::Millimeter);
    const QSizeF page = pageSizeMm(pdf);
    QVERIFY2(std::abs(std::min(page.width(), page.height()) - sheet.width()) < 1,
             "the paper chosen in page setup did not reach the job");

    constexpr int measureDpi = 600;
    QImage image = rasterise(pdf, measureDpi);
    QVERIFY(!image.isNull());
    // The queue puts a landscape page on the sheet turned a quarter to the
    // left; turn it back to read it as the user sees it.
    if (landscape && page.width() < page.height())
        image = image.transformed(QTransform().rotate(90));
    const QRectF disc = darkBoxMm(image.convertToFormat(QImage::Format_Grayscale8), measureDpi);

    // The printable area's corner, from the queue's PPD (given on the portrait
    // sheet). Turned back, the sheet's bottom edge is the landscape page's
    // left edge and its left edge the page's top.
    const QRectF area = imageableAreaMm(queue, QPageSize(paper).key());
    QVERIFY2(area.isValid(), "the queue's PPD gives no printable area for this paper");
    const QPointF corner =
        landscape ? QPointF(sheet.height() - area.bottom(), area.left()) : area.topLeft();
    const QPointF offset = disc.topLeft() - corner;
    qInfo("%s: disc %.3f x %.3f mm, %.3f mm right and %.3f mm below the printable corner",
          QTest::currentDataTag(), disc.width(), disc.height(), offset.x(), offset.y());
    // The picture is rendered at no more than 300 dpi: one pixel of it, plus
    // one pixel of the measurement.
    const double tolerance = 25.4 / std::min(dpi, 300) + 25.4 / measureDpi;
    QVERIFY2(std::abs(disc.width() - 119.06) <= tolerance, "disc width");
    QVERIFY2(std::abs(disc.height() - 119.06) <= tolerance, "disc height");
    QVERIFY2(std::abs(offset.x() - 6.09) <= tolerance, "distance from the printable left edge");
    QVERIFY2(std::abs(offset.y() - 8.73) <= tolerance, "distance from the printable top edge");
}

// The amount of ink in a rectangle of the window (design pixels) on a page
// printed at `dpi` from the sheet's corner.
static int inkIn(const QImage& page, int dpi, QRect designRect) {
    const double scale = dpi / 96.0;
    const QRect r(int(designRect.left() * scale), int(designRect.top() * scale),
                  int(designRect.width() * scale), int(designRect.height() * scale));
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(page.pixel(x, y)) < 235;
    return ink;
}

void TestPrinting::hiddenElementsLeaveNoTrace_data() {
    QTest::addColumn<QStringList>("show"); // menu items that show it
    QTest::addColumn<QStringList>("hide"); // menu items that hide it again
    QTest::addColumn<QRect>("where");      // inside the window, clear of the others
    const QPoint panel(23, 33);
    QTest::newRow("title") << QStringList{} << QStringList{"ShowTitleMenu"}
                           << QRect(176, 45, 116, 45).translated(panel);
    QTest::newRow("outer circle") << QStringList{} << QStringList{"ShowOutCricleMenu"}
                                  << QRect(0, 205, 8, 40).translated(panel);
    QTest::newRow("CD badge") << QStringList{"CDMenu"} << QStringList{"NotCDDVDMenu"}
                              << QRect(195, 425, 61, 17).translated(panel);
    QTest::newRow("DVD badge") << QStringList{"DVDMenu"} << QStringList{"NotCDDVDMenu"}
                               << QRect(195, 425, 61, 17).translated(panel);
    QTest::newRow("divider") << QStringList{"ShowMenuLineMenu"} << QStringList{"ShowMenuLineMenu"}
                             << QRect(309, 100, 5, 300).translated(panel);
    QTest::newRow("background") << QStringList{"BackImageMenu"} << QStringList{"BackImageMenu"}
                                << QRect(2, 2, 30, 30).translated(panel);
    QTest::newRow("bottom text") << QStringList{} << QStringList{"ShowButtomMenu"}
                                 << QRect(200, 392, 54, 12).translated(panel);
    QTest::newRow("text columns") << QStringList{} << QStringList{"ShowLeftMenu", "ShowRightMenu"}
                                  << QRect(59, 128, 105, 241).translated(panel);
}

void TestPrinting::hiddenElementsLeaveNoTrace() {
    QFETCH(QStringList, show);
    QFETCH(QStringList, hide);
    QFETCH(QRect, where);
    constexpr int dpi = 150;
    for (const QString& item : show)
        action(qPrintable(item))->trigger();
    const QString shown = printViaMenu();
    QVERIFY(!shown.isEmpty());
    QVERIFY2(inkIn(rasterise(shown, dpi), dpi, where) > 20, "the element does not print at all");
    for (const QString& item : hide)
        action(qPrintable(item))->trigger();
    const QString hidden = printViaMenu();
    QVERIFY(!hidden.isEmpty());
    QCOMPARE(inkIn(rasterise(hidden, dpi), dpi, where), 0);
}

void TestPrinting::backgroundShowsInTheCorners() {
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

void TestPrinting::pagePrintsTheWindowAsShown() {
    if (m_form->devicePixelRatio() != 1)
        QSKIP("compares with the window's own image at 96 dpi");
    auto* left = m_form->findChild<QPlainTextEdit*>(QStringLiteral("LeftWords"));
    QVERIFY(left);
    left->verticalScrollBar()->setValue(0);
    const QImage top = m_form->grab().toImage();
    // The column shows its last lines; the page must show the same ones.
    left->verticalScrollBar()->setValue(left->verticalScrollBar()->maximum());
    QVERIFY(left->verticalScrollBar()->value() > 0);
    const QImage shown = m_form->grab().toImage();
    const QString pdf = printViaMenu();
    QVERIFY(!pdf.isEmpty());
    const QImage page = rasterise(pdf, 96).copy(0, 0, m_form->width(), m_form->height());
    const QRect column = left->geometry().translated(left->parentWidget()->pos());
    // Only the first line is long enough to reach the column's right part.
    const QRect longLines = column.adjusted(40, 0, 0, 0);
    QVERIFY(inkIn(top, 96, longLines) > 20);
    QCOMPARE(inkIn(shown, 96, longLines), 0);
    QCOMPARE(inkIn(page, 96, longLines), 0);
}

void TestPrinting::printDialogOffersPrinterCopiesAndProperties() {
    pageSetup(kSecondQueue, QPageSize::A4, false);
    QStringList printers;
    QString current;
    bool properties = false, pageRange = true, copies = false;
    testing::whenModalOf<QPrintDialog>([&](QPrintDialog* d) {
        auto* box = d->findChild<QComboBox*>(QStringLiteral("printers"));
        for (int i = 0; box && i < box->count(); ++i)
            if (!box->itemText(i).isEmpty())
                printers << box->itemText(i);
        current = box ? box->currentText() : QString();
        auto* button = d->findChild<QWidget*>(QStringLiteral("properties"));
        properties = button && button->isVisibleTo(d) && button->isEnabled();
        auto* range = d->findChild<QWidget*>(QStringLiteral("gbPrintRange"));
        pageRange = !range || range->isVisibleTo(d);
        auto* spin = d->findChild<QSpinBox*>(QStringLiteral("copies"));
        copies = spin && !spin->isHidden();
        d->reject();
    });
    action("print1")->trigger();
    // the printer chosen last, no file as a printer
    QCOMPARE(current, kSecondQueue);
    QVERIFY(printers.contains(kDefaultQueue));
    QCOMPARE(printers, QPrinterInfo::availablePrinterNames());
    QVERIFY2(properties, "no printer properties");
    QVERIFY2(!pageRange, "a page range is offered");
    QVERIFY2(copies, "no copies");
}

void TestPrinting::paperChosenUnderPropertiesIsPrinted() {
    pageSetup(kDefaultQueue, QPageSize::Letter, false);
    QPageSize offeredPaper;
    const int before = lastJobId();
    testing::whenModalOf<QPrintDialog>([&](QPrintDialog* d) {
        // The properties page opens over the print dialog.
        testing::whenModal([&, d](QWidget* w) {
            auto* properties = qobject_cast<QDialog*>(w);
            auto* papers = w->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
            if (!properties || properties == d || !papers) {
                QMetaObject::invokeMethod(w, "reject");
                return;
            }
            offeredPaper = papers->currentData().value<QPageSize>();
            for (int i = 0; i < papers->count(); ++i)
                if (papers->itemData(i).value<QPageSize>().id() == QPageSize::A5)
                    papers->setCurrentIndex(i);
            properties->accept();
        });
        d->findChild<QPushButton*>(QStringLiteral("properties"))->click();
        d->accept();
    });
    action("print1")->trigger();
    QVERIFY(lastJobId() > before);
    const QString pdf = pdfOfJob(lastJobId());
    QVERIFY(!pdf.isEmpty());
    // The properties open on the paper in use, and what is chosen there
    // reaches the job and stays selected.
    QVERIFY2(offeredPaper.isEquivalentTo(QPageSize(QPageSize::Letter)),
             qPrintable(offeredPaper.name()));
    const QSizeF page = pageSizeMm(pdf);
    QVERIFY2(std::abs(page.width() - 148) < 1 && std::abs(page.height() - 210) < 1,
             qPrintable(QStringLiteral("%1 x %2").arg(page.width()).arg(page.height())));
    QCOMPARE(toolkit::PrinterState::instance().printer().pageLayout().pageSize().id(),
             QPageSize::A5);
}

void TestPrinting::paperSourceReachesTheJob() {
    QStringList offered;
    bool enabled = false;
    QString current;
    auto chooseTray = [&](toolkit::PrinterSetupDialog* d) {
        d->printerBox()->setCurrentText(kSecondQueue);
        for (int i = 0; i < d->sourceBox()->count(); ++i)
            offered << d->sourceBox()->itemData(i).toString();
        enabled = d->sourceBox()->isEnabled();
        d->sourceBox()->setCurrentIndex(d->sourceBox()->findData(QStringLiteral("Tray1")));
        d->accept();
    };
    testing::whenModalOf<toolkit::PrinterSetupDialog>(chooseTray);
    action("N1")->trigger();
    QCOMPARE(offered, (QStringList{"Auto", "Tray1", "Manual"}));
    QVERIFY(enabled);
    // The print dialog, confirmed without opening the properties, keeps it.
    QVERIFY(!printViaMenu().isEmpty());
    QCOMPARE(jobText(lastJobId(), "InputSlot"), QStringLiteral("Tray1"));
    // The next page setup opens on it; a printer without sources offers none.
    testing::whenModalOf<toolkit::PrinterSetupDialog>([&](toolkit::PrinterSetupDialog* d) {
        current = d->sourceBox()->currentData().toString();
        d->printerBox()->setCurrentText(kDefaultQueue);
        enabled = d->sourceBox()->isEnabled();
        d->accept();
    });
    action("N1")->trigger();
    QCOMPARE(current, QStringLiteral("Tray1"));
    QVERIFY(!enabled);
    QVERIFY(!printViaMenu().isEmpty());
    QCOMPARE(jobText(lastJobId(), "InputSlot"), QString());
}

void TestPrinting::copiesReachTheJobAndCarryOver() {
    const QString pdf = printViaMenu(3);
    QVERIFY(!pdf.isEmpty());
    const int job = lastJobId();
    QCOMPARE(jobCopies(job), 3);
    // The page was drawn once; the queue made the copies.
    QCOMPARE(spooledPages(job), 1);
    QCOMPARE(pdfPages(pdf), 3);
    QCOMPARE(jobName(job), QString());
    int offered = 0;
    printViaMenu(0, &offered);
    QCOMPARE(offered, 3);
}

void TestPrinting::systemDefaultChangeIsNotFollowed() {
    // The first use selects the system's default printer ...
    QCOMPARE(toolkit::PrinterState::instance().printer().printerName(), kDefaultQueue);
    // ... and it stays selected when the system's default changes (for this
    // process: CUPS takes the user's default from LPDEST first).
    qputenv("LPDEST", kSecondQueue.toLatin1());
    const QString changed = QPrinterInfo::defaultPrinterName();
    const QString pdf = printViaMenu();
    qunsetenv("LPDEST");
    QCOMPARE(changed, kSecondQueue);
    QVERIFY(!pdf.isEmpty());
    const QString queue = jobText(lastJobId(), "job-printer-uri");
    QVERIFY2(queue.endsWith(u'/' + kDefaultQueue), qPrintable(queue));
}

void TestPrinting::cancelPrintsNothing() {
    const int jobs = lastJobId();
    const QPageLayout layout = toolkit::PrinterState::instance().printer().pageLayout();
    testing::whenModalOf<QPrintDialog>([](QPrintDialog* d) {
        d->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(5);
        QMetaObject::invokeMethod(d, "reject");
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    QCOMPARE(lastJobId(), jobs);
    QCOMPARE(toolkit::PrinterState::instance().printer().copyCount(), 1);
    QVERIFY(toolkit::PrinterState::instance().printer().pageLayout().isEquivalentTo(layout));
}

void TestPrinting::printingInProgressRefusesDialogs_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("print") << QStringLiteral("print1");
    QTest::newRow("page setup") << QStringLiteral("N1");
}

void TestPrinting::printingInProgressRefusesDialogs() {
    QFETCH(QString, item);
    toolkit::PrinterState& state = toolkit::PrinterState::instance();
    const QPageLayout layout = state.printer().pageLayout();
    const int jobs = lastJobId();
    // A job of ours is still being handed to the spooler when the user
    // confirms a dialog with other settings.
    state.setPrinting(true);
    testing::whenModal([](QWidget* w) {
        if (auto* d = qobject_cast<QPrintDialog*>(w))
            d->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(4);
        if (auto* d = qobject_cast<toolkit::PrinterSetupDialog*>(w))
            d->landscapeButton()->setChecked(true);
        QMetaObject::invokeMethod(w, "accept");
    });
    QString text;
    testing::whenModalOf<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    action(qPrintable(item))->trigger();
    state.setPrinting(false);
    QCOMPARE(text, QStringLiteral("Printing in progress."));
    QCOMPARE(lastJobId(), jobs);
    QCOMPARE(state.printer().copyCount(), 1);
    QVERIFY(state.printer().pageLayout().isEquivalentTo(layout));
}

void TestPrinting::failureAfterTheJobStartedStillEndsIt() {
    // A window too big to be imaged within the memory a print may take.
    QWidget huge;
    huge.resize(6000, 6000);
    const int jobs = lastJobId();
    QString error;
    try {
        toolkit::printForm(huge);
    } catch (const toolkit::Error& e) {
        error = e.message();
    }
    QCOMPARE(error, QStringLiteral("Out of memory"));
    QVERIFY(!toolkit::PrinterState::instance().printing());
    // The job was ended once: one (blank) page went to the spooler.
    QCOMPARE(jobsAfter(jobs).size(), 1);
    const QString pdf = pdfOfJob(lastJobId());
    QVERIFY(!pdf.isEmpty());
    QCOMPARE(pdfPages(pdf), 1);
    // and the next print goes through
    QVERIFY(!printViaMenu().isEmpty());
    QCOMPARE(jobsAfter(jobs).size(), 2);
}

void TestPrinting::vanishedPrinterPrintsNothing() {
    const QString queue = addTemporaryQueue();
    pageSetup(queue, QPageSize::A4, false);
    QCOMPARE(toolkit::PrinterState::instance().printer().printerName(), queue);
    const int jobs = lastJobId();
    QString text;
    testing::whenModalOf<QPrintDialog>([&](QPrintDialog* d) {
        // The printer goes away after it was chosen, before the job starts.
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
        QMetaObject::invokeMethod(d, "accept");
    });
    testing::whenModalOf<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        box->accept();
    });
    m_form->findChild<QAction*>(QStringLiteral("print1"))->trigger();
    run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue}); // whatever happened
    QCOMPARE(text, QStringLiteral("Printer selected is not valid."));
    QCOMPARE(lastJobId(), jobs);
    QVERIFY(!toolkit::PrinterState::instance().printing());
}

void TestPrinting::noPrinterOpensNoDialog() {
    // A CUPS server without a single printer.
    EmptyCupsServer empty;
    QVERIFY2(empty.running(), "could not start a CUPS server of the test's own");
    QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
    const QString print = errorOf("print1");
    const QString setup = errorOf("N1");
    QCOMPARE(print, QStringLiteral("There is no default printer currently selected."));
    QCOMPARE(setup, QStringLiteral("There is no default printer currently selected."));
    QVERIFY(!toolkit::PrinterState::instance().hasPrinter());
}

int main(int argc, char** argv) {
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    QImageReader::setAllocationLimit(1024); // whole pages at 600 dpi
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
