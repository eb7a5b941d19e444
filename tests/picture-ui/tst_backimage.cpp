#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "common/ModalDriver.h"
#include "picture/Picture.h"
#include "toolkit/Application.h"
#include "toolkit/PictureElement.h"
#include "toolkit/PicturePreview.h"

#include <QFileDialog>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Types a full file name into the dialog and confirms, as a user would.
static void pick(QFileDialog* dialog, const QString& path) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    // The dialog selects the last chosen file once its folder has been read;
    // let that happen before typing, as a user would.
    QTest::qWait(300);
    edit->setText(path);
    QTest::qWait(50);
    QCOMPARE(edit->text(), path);
    QMetaObject::invokeMethod(dialog, "accept");
}

// Choosing a background picture through the real open-picture dialog.
class TestBackImage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogOffersThePictureTypes();
    void chosenJpegIsShownStretchedAndMarked();
    void failedLoadKeepsPictureVisibilityAndMark_data();
    void failedLoadKeepsPictureVisibilityAndMark();
    void cancelChangesNothing();
    void dialogReopensOnLastChoice();
    void iconSitsInTheCornerOnWhite();
    void nameWithoutExtensionEmptiesTheBackground();
    void previewShowsPictureAndSize();

private:
    // Picks `path` in the next open-picture dialog (or cancels with an empty path).
    void choose(const QString& path, QStringList* filters = nullptr, QString* filter = nullptr,
                QString* startName = nullptr);
    QImage client() const { return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QString writeImage(const QString& name, QSize size, QColor colour, const char* format);

    QTemporaryDir m_dir;
    std::unique_ptr<TForm1> m_form;
    toolkit::PictureElement* m_back = nullptr;
    QAction* m_mark = nullptr;
};

void TestBackImage::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void TestBackImage::init() {
    m_form = std::make_unique<TForm1>();
    Form1 = m_form.get();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    m_back = m_form->findChild<toolkit::PictureElement*>(QStringLiteral("BackImage"));
    m_mark = m_form->findChild<QAction*>(QStringLiteral("BackImageMenu"));
    QVERIFY(m_back && m_mark);
}

void TestBackImage::cleanup() {
    Form1 = nullptr;
    m_form.reset();
}

QString TestBackImage::writeImage(const QString& name, QSize size, QColor colour,
                                  const char* format) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = m_dir.filePath(name);
    QImageWriter writer(path, format);
    if (!writer.write(image))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestBackImage::choose(const QString& path, QStringList* filters, QString* filter,
                           QString* startName) {
    testing::whenModalOf<QFileDialog>([=](QFileDialog* dialog) {
        if (filters)
            *filters = dialog->nameFilters();
        if (filter)
            *filter = dialog->selectedNameFilter();
        if (startName)
            *startName = dialog->selectedFiles().value(0);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        pick(dialog, path);
    });
}

void TestBackImage::dialogOffersThePictureTypes() {
    QStringList filters;
    QString filter;
    choose(QString(), &filters, &filter);
    m_form->SelectBackImageMenuClick();
    QCOMPARE(filters.size(), 7);
    QCOMPARE(filters.first(), QStringLiteral("All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"));
    QCOMPARE(filter, filters.first());
    QCOMPARE(filters.last(), QStringLiteral("Metafiles (*.wmf)"));
}

void TestBackImage::chosenJpegIsShownStretchedAndMarked() {
    const QString path = writeImage(QStringLiteral("red.jpg"), QSize(300, 200), Qt::red, "jpeg");
    QVERIFY(m_back->isHidden());
    choose(path);
    m_form->SelectBackImageMenuClick();
    QVERIFY(!m_back->isHidden());
    QVERIFY(m_mark->isChecked());
    QCOMPARE(m_back->picture().size(), QSize(300, 200));
    QImage img = client();
    // The picture shows in the panel's corners, the outer disc is white.
    QVERIFY(qRed(img.pixel(23 + 2, 33 + 2)) > 200 && qGreen(img.pixel(23 + 2, 33 + 2)) < 60);
    QVERIFY(qRed(img.pixel(23 + 447, 33 + 447)) > 200);
    QCOMPARE(img.pixelColor(23 + 225, 33 + 150), QColor(Qt::white));
    // With the outer circle hidden, all of it shows but under the columns and the centre circle.
    m_form->findChild<QAction*>(QStringLiteral("ShowOutCricleMenu"))->trigger();
    img = client();
    QVERIFY(qGreen(img.pixel(23 + 225, 33 + 150)) < 60);
    QCOMPARE(img.pixelColor(23 + 225, 33 + 225), QColor(Qt::white));
    // Hiding the background keeps the picture for the next showing.
    m_mark->trigger();
    QVERIFY(m_back->isHidden());
    QCOMPARE(m_back->picture().size(), QSize(300, 200));
}

void TestBackImage::failedLoadKeepsPictureVisibilityAndMark_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown type") << "photo.gif" << QByteArray("GIF89a")
                                  << "Unknown picture file extension (.gif)";
    QTest::newRow("bad bitmap") << "bad.bmp" << QByteArray("BMxxxx")
                                << "Bitmap image is not valid.";
    QTest::newRow("damaged JPEG") << "bad.jpg" << QByteArray("\xff\xd8\xff\xc3\x00\x02", 6)
                                  << "JPEG error #";
    QTest::newRow("missing file") << "gone.jpg" << QByteArray() << "Cannot open file ";
}

void TestBackImage::failedLoadKeepsPictureVisibilityAndMark() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString good = writeImage(QStringLiteral("green.jpg"), QSize(64, 64), Qt::green, "jpeg");
    choose(good);
    m_form->SelectBackImageMenuClick();
    m_mark->trigger(); // hidden again, picture kept
    const QSize before = m_back->picture().size();

    const QString path = m_dir.filePath(name);
    if (!bytes.isEmpty()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    } else {
        QFile::remove(path);
    }
    QString shown;
    choose(path);
    // The command fails with its message (the application's error report
    // shows it; that report has its own test).
    try {
        m_form->SelectBackImageMenuClick();
    } catch (const picture::PictureError& e) {
        shown = toolkit::Application::errorText(e.message());
    }
    QVERIFY2(shown.startsWith(message), qPrintable(shown));
    QVERIFY(m_back->isHidden());
    QVERIFY(!m_mark->isChecked());
    QCOMPARE(m_back->picture().size(), before);
}

void TestBackImage::cancelChangesNothing() {
    choose(QString());
    m_form->SelectBackImageMenuClick();
    QVERIFY(m_back->isHidden());
    QVERIFY(!m_mark->isChecked());
    QCOMPARE(m_back->picture().size(), QSize(450, 450)); // the built-in photograph
}

void TestBackImage::dialogReopensOnLastChoice() {
    const QString path = writeImage(QStringLiteral("blue.bmp"), QSize(40, 30), Qt::blue, "bmp");
    testing::whenModalOf<QFileDialog>([&](QFileDialog* d) {
        d->selectNameFilter(QStringLiteral("Bitmaps (*.bmp)"));
        pick(d, path);
    });
    m_form->SelectBackImageMenuClick();
    QString filter, start;
    choose(QString(), nullptr, &filter, &start);
    m_form->SelectBackImageMenuClick();
    QCOMPARE(filter, QStringLiteral("Bitmaps (*.bmp)"));
    QCOMPARE(QFileInfo(start).fileName(), QStringLiteral("blue.bmp"));
}

void TestBackImage::iconSitsInTheCornerOnWhite() {
    const QString path = writeImage(QStringLiteral("tiny.ico"), QSize(32, 32), Qt::blue, "ico");
    m_form->findChild<QAction*>(QStringLiteral("ShowOutCricleMenu"))->trigger();
    choose(path);
    m_form->SelectBackImageMenuClick();
    const QImage img = client();
    QCOMPARE(img.pixelColor(23, 33), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(23 + 31, 33 + 31), QColor(Qt::blue));
    QCOMPARE(img.pixelColor(23 + 32, 33 + 32), QColor(Qt::white));
    QCOMPARE(img.pixelColor(23 + 100, 33 + 5), QColor(Qt::white));
}

void TestBackImage::nameWithoutExtensionEmptiesTheBackground() {
    choose(m_dir.filePath(QStringLiteral("no-extension")));
    m_form->SelectBackImageMenuClick();
    QVERIFY(m_back->picture().isEmpty());
    QVERIFY(!m_back->isHidden());
    QVERIFY(m_mark->isChecked());
    m_form->findChild<QAction*>(QStringLiteral("ShowOutCricleMenu"))->trigger();
    QCOMPARE(client().pixelColor(23 + 5, 33 + 5), QColor(Qt::white));
}

void TestBackImage::previewShowsPictureAndSize() {
    const QString path = writeImage(QStringLiteral("preview.jpg"), QSize(120, 80), Qt::red, "jpeg");
    QString size;
    bool hasPixmap = false;
    testing::whenModalOf<QFileDialog>([&](QFileDialog* d) {
        auto* preview = d->findChild<toolkit::PicturePreview*>();
        QVERIFY(preview);
        preview->showFile(path); // what hovering the file does
        size = preview->sizeLabel()->text();
        hasPixmap = !preview->imageLabel()->pixmap().isNull();
        d->reject();
    });
    m_form->SelectBackImageMenuClick();
    QCOMPARE(size, QStringLiteral("120 × 80"));
    QVERIFY(hasPixmap);
}

int main(int argc, char** argv) {
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestBackImage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backimage.moc"
