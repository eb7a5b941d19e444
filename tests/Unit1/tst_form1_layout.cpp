#include "Unit1/Unit1.h"
#include "app/Startup.h"
#include "toolkit/Application.h"
#include "toolkit/Memo.h"
#include "toolkit/PictureElement.h"
#include "toolkit/Shape.h"
#include "toolkit/TextLabel.h"

#include <QDate>
#include <QLocale>
#include <QtTest>

#include <memory>

// The main window's label at its defaults: elements, fonts, texts, pixels.
class TestForm1Layout : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void window();
    void elements_data();
    void elements();
    void paintAndStackingOrder();
    void dateStampedAtShowKeepingLeft();
    void outerCirclePixels();
    void centreCirclePixels();
    void titleGlyphsHaveNoBackground();
    void memosAreOpaqueOverThePicture();
    void memosStartWithTheirLinesAndFocus();
    void tabMovesBetweenColumns();

private:
    template <typename T> T* element(const char* name) const
    {
        auto* w = m_form->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("no element %s", name);
        return w;
    }
    QImage client() const { return m_form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<TForm1> m_form;
};

void TestForm1Layout::init()
{
    m_form = std::make_unique<TForm1>();
    Form1 = m_form.get();
}

void TestForm1Layout::cleanup()
{
    Form1 = nullptr;
    m_form.reset();
}

void TestForm1Layout::window()
{
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Morvane Ver1.0"));
    QCOMPARE(m_form->size(), QSize(509, 501));
    QCOMPARE(m_form->minimumSize(), QSize(509, 501));
    QCOMPARE(m_form->maximumSize(), QSize(509, 501));
    QCOMPARE(m_form->pos(), QPoint(204, 107));
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    auto* panel = element<QWidget>("Panel1");
    QCOMPARE(panel->geometry(), QRect(23, 33, 450, 450));
}

void TestForm1Layout::elements_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // labels: width/height 0 = measured
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("charset");
    QTest::addColumn<QString>("text");

    const QString song = QStringLiteral("宋体");
    QTest::newRow("BackImage") << "BackImage" << QRect(0, 0, 450, 450) << false << "" << 0 << 0 << "";
    QTest::newRow("Shape1") << "Shape1" << QRect(0, 0, 450, 450) << true << "" << 0 << 0 << "";
    QTest::newRow("ImageDVD") << "ImageDVD" << QRect(194, 424, 63, 19) << false << "" << 0 << 0 << "";
    QTest::newRow("ImageCD") << "ImageCD" << QRect(194, 424, 63, 19) << false << "" << 0 << 0 << "";
    QTest::newRow("ButtomWords") << "ButtomWords" << QRect(200, 392, 0, 0) << true << song << -12
                                 << 0 << "2007-7-18";
    QTest::newRow("TitleWords") << "TitleWords" << QRect(176, 45, 0, 0) << true << "Impact" << -37
                                << 0 << "CD标题";
    QTest::newRow("Shape2") << "Shape2" << QRect(190, 190, 70, 70) << true << "" << 0 << 0 << "";
    QTest::newRow("ShapeLine") << "ShapeLine" << QRect(312, 18, 1, 414) << false << "" << 0 << 0 << "";
    QTest::newRow("RightWords") << "RightWords" << QRect(315, 120, 105, 217) << true << song << -12
                                << 0 << "";
    QTest::newRow("LeftWords") << "LeftWords" << QRect(59, 128, 105, 241) << true << song << -12
                               << 134 << "";
}

void TestForm1Layout::elements()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(int, charset);
    QFETCH(QString, text);

    auto* w = m_form->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(w->isVisibleTo(m_form.get()), visible);
    if (auto* label = qobject_cast<toolkit::TextLabel*>(w)) {
        QCOMPARE(label->pos(), geometry.topLeft());
        QCOMPARE(label->size(), toolkit::TextLabel::measure(label->text(), label->font()));
        QCOMPARE(label->text(), text);
        QCOMPARE(label->fontRecord().face, face);
        QCOMPARE(label->fontRecord().height, height);
        QCOMPARE(label->fontRecord().charset, charset);
        QCOMPARE(label->fontRecord().color, QColor(Qt::black));
        QCOMPARE(label->font().pixelSize(), -height);
        return;
    }
    QCOMPARE(w->geometry(), geometry);
    if (auto* memo = qobject_cast<toolkit::Memo*>(w)) {
        QCOMPARE(memo->fontRecord().face, face);
        QCOMPARE(memo->fontRecord().height, height);
        QCOMPARE(memo->fontRecord().charset, charset);
        QCOMPARE(memo->font().pixelSize(), -height);
    }
}

void TestForm1Layout::paintAndStackingOrder()
{
    const QStringList expected{"BackImage", "Shape1",    "ImageDVD",   "ImageCD",  "ButtomWords",
                               "TitleWords", "Shape2", "ShapeLine", "RightWords", "LeftWords"};
    QStringList order;
    for (QObject* child : element<QWidget>("Panel1")->children())
        if (child->isWidgetType())
            order << child->objectName();
    QCOMPARE(order, expected);
    // Built-in pictures: the background is stretched, the badges are their own size.
    auto* back = element<toolkit::PictureElement>("BackImage");
    QCOMPARE(back->picture().size(), QSize(450, 450));
    QVERIFY(back->stretch());
    QCOMPARE(element<toolkit::PictureElement>("ImageCD")->picture().size(), QSize(63, 19));
    QCOMPARE(element<toolkit::PictureElement>("ImageDVD")->picture().size(), QSize(63, 19));
    auto* outer = element<toolkit::Shape>("Shape1");
    QCOMPARE(outer->penStyle(), Qt::DashDotDotLine);
    QCOMPARE(outer->shapeType(), toolkit::Shape::Circle);
    QCOMPARE(element<toolkit::Shape>("Shape2")->penStyle(), Qt::SolidLine);
    QCOMPARE(element<toolkit::Shape>("ShapeLine")->shapeType(), toolkit::Shape::Rectangle);
}

void TestForm1Layout::dateStampedAtShowKeepingLeft()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    auto* bottom = element<toolkit::TextLabel>("ButtomWords");
    QCOMPARE(bottom->text(),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    QCOMPARE(bottom->pos(), QPoint(200, 392));
    QCOMPARE(m_form->pos(), QPoint(204, 1));
}

void TestForm1Layout::outerCirclePixels()
{
    const QImage img = client();
    // Dashed outline along the top of the circle (panel y = 0): black dashes
    // with white gaps, then white inside; the margin is white.
    int dark = 0, light = 0;
    for (int x = 23 + 200; x < 23 + 250; ++x)
        (qGray(img.pixel(x, 33)) < 128 ? dark : light) += 1;
    QVERIFY2(dark > 10 && light > 5, qPrintable(QStringLiteral("%1/%2").arg(dark).arg(light)));
    QCOMPARE(img.pixelColor(23 + 225, 33 + 20), QColor(Qt::white));
    QCOMPARE(img.pixelColor(5, 5), QColor(Qt::white));
    QCOMPARE(img.pixelColor(23 + 2, 33 + 2), QColor(Qt::white)); // panel corner
}

void TestForm1Layout::centreCirclePixels()
{
    const QImage img = client();
    const QPoint centre(23 + 225, 33 + 225);
    QCOMPARE(img.pixelColor(centre), QColor(Qt::white));
    // Solid black outline at radius 35 on all four sides.
    for (QPoint d : {QPoint(-35, 0), QPoint(34, 0), QPoint(0, -35), QPoint(0, 34)})
        QVERIFY2(qGray(img.pixel(centre + d)) < 128,
                 qPrintable(QStringLiteral("%1,%2").arg(d.x()).arg(d.y())));
}

void TestForm1Layout::titleGlyphsHaveNoBackground()
{
    element<QWidget>("BackImage")->show();
    element<QWidget>("Shape1")->hide();
    const QImage img = client();
    auto* title = element<toolkit::TextLabel>("TitleWords");
    const QRect box = title->geometry().translated(23, 33);
    // The picture shows around the glyphs: the box holds colours that are
    // neither the glyphs' black nor white.
    int colourful = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = img.pixelColor(x, y);
            colourful += (c.saturation() > 40 && c.value() > 60);
        }
    QVERIFY2(colourful > box.width() * box.height() / 4, qPrintable(QString::number(colourful)));
}

void TestForm1Layout::memosAreOpaqueOverThePicture()
{
    element<QWidget>("BackImage")->show();
    element<QWidget>("Shape1")->hide();
    const QImage img = client();
    for (const char* name : {"RightWords", "LeftWords"}) {
        const QRect r = element<QWidget>(name)->geometry().translated(23, 33);
        // The right margin of the column is inside it and free of text: white.
        QCOMPARE(img.pixelColor(r.right() - 1, r.bottom() - 1), QColor(Qt::white));
        // Just outside the column the picture shows.
        QVERIFY(img.pixelColor(r.right() + 3, r.bottom() - 1) != QColor(Qt::white));
    }
    // The centre circle stays a white disc with a black outline over the picture.
    QCOMPARE(img.pixelColor(23 + 225, 33 + 225), QColor(Qt::white));
    QVERIFY(qGray(img.pixel(23 + 190, 33 + 225)) < 128);
}

void TestForm1Layout::memosStartWithTheirLinesAndFocus()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    for (const char* name : {"RightWords", "LeftWords"}) {
        auto* memo = element<toolkit::Memo>(name);
        const QStringList lines = memo->lines();
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines.first(), QStringLiteral("此处键入或者修改"));
        QCOMPARE(lines.count(QStringLiteral("文字")), 21);
        QVERIFY(memo->toPlainText().endsWith(QLatin1Char('\n')));
        QCOMPARE(memo->textCursor().position(), memo->toPlainText().size());
    }
    QCOMPARE(QApplication::focusWidget(), element<QWidget>("RightWords"));
}

void TestForm1Layout::tabMovesBetweenColumns()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    auto* right = element<toolkit::Memo>("RightWords");
    auto* left = element<toolkit::Memo>("LeftWords");
    right->setFocus();
    const QString before = right->toPlainText();
    QTest::keyClick(right, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), left);
    QTest::keyClick(left, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), right);
    QCOMPARE(right->toPlainText(), before);
    // Typing goes into the focused column at its caret.
    QTest::keyClicks(right, QStringLiteral("abc"));
    QVERIFY(right->toPlainText().endsWith(QStringLiteral("\nabc")));
}

int main(int argc, char** argv)
{
    toolkit::Application app(argc, argv);
    app::prepareApplication(app);
    TestForm1Layout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1_layout.moc"
