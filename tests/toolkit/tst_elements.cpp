#include "toolkit/FontStandIns.h"
#include "toolkit/Memo.h"
#include "toolkit/Shape.h"
#include "toolkit/TextLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QtTest>

// The label's elements on their own: auto-sizing labels, shape geometry and
// the memo set-up.
class TestElements : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { toolkit::installFontStandIns(); }

    void labelSizesToText_data();
    void labelSizesToText();
    void labelKeepsLeftAndTop();
    void sameTextDoesNotRemeasure();
    void mnemonicUnderlinesAndDoubleAmpersandDrawsOne();
    void labelIsTransparentAndClipped();

    void circleGeometry_data();
    void circleGeometry();
    void dashGapsShowBrushColour();
    void oneColumnRectangleIsAVerticalLine();

    void memoLinesEndWithLineBreakAndCaretAtEnd();
    void memoSetUp();
};

static toolkit::FontRecord font(const char* face, int height)
{
    toolkit::FontRecord f;
    f.face = QString::fromUtf8(face);
    f.height = height;
    return f;
}

static QImage render(QWidget& w, QColor background = Qt::white)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(background);
    w.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

void TestElements::labelSizesToText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("measuredAs");
    QTest::newRow("plain") << "CD标题" << "CD标题";
    QTest::newRow("empty text measures as one space") << "" << " ";
    QTest::newRow("ampersand takes no room") << "A&B" << "AB";
    QTest::newRow("double ampersand is one") << "A&&B" << "A&B";
}

void TestElements::labelSizesToText()
{
    QFETCH(QString, text);
    QFETCH(QString, measuredAs);
    toolkit::TextLabel label;
    label.setFontRecord(font("Impact", -37));
    label.setText(QStringLiteral("x")); // make sure the next text changes
    label.setText(text);
    // The label is as large as the text it shows, measured literally.
    QCOMPARE(label.size(), QFontMetrics(label.font()).size(0, measuredAs));
    QVERIFY(label.height() > 0);
}

void TestElements::labelKeepsLeftAndTop()
{
    for (Qt::Alignment alignment : {Qt::AlignLeft, Qt::AlignHCenter}) {
        toolkit::TextLabel label;
        label.setAlignment(alignment);
        label.setFontRecord(font("宋体", -12));
        label.setText(QStringLiteral("2007-7-18"));
        label.move(200, 392);
        const int narrow = label.width();
        label.setText(QStringLiteral("2026年12月10日 星期四"));
        QVERIFY(label.width() > narrow);
        QCOMPARE(label.pos(), QPoint(200, 392));
        // A larger font grows the label to the right and downward.
        const QSize before = label.size();
        label.setFontRecord(font("宋体", -24));
        QCOMPARE(label.pos(), QPoint(200, 392));
        QVERIFY(label.width() > before.width());
        QVERIFY(label.height() > before.height());
    }
}

void TestElements::sameTextDoesNotRemeasure()
{
    toolkit::TextLabel label;
    label.setFontRecord(font("Impact", -37));
    label.setText(QStringLiteral("CD标题"));
    label.setWidth(169);
    label.setText(QStringLiteral("CD标题"));
    QCOMPARE(label.width(), 169);
    label.setText(QStringLiteral("CD"));
    QVERIFY(label.width() != 169);
}

void TestElements::mnemonicUnderlinesAndDoubleAmpersandDrawsOne()
{
    auto inkColumns = [](const QImage& img) {
        int columns = 0;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (qGray(img.pixel(x, y)) < 128) {
                    ++columns;
                    break;
                }
        return columns;
    };
    auto inkBelowBaseline = [](const QImage& img, int fromRow) {
        int dark = 0;
        for (int y = fromRow; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                dark += qGray(img.pixel(x, y)) < 128;
        return dark;
    };

    toolkit::TextLabel plain, marked, doubled;
    for (auto* l : {&plain, &marked, &doubled})
        l->setFontRecord(font("MS Sans Serif", -20));
    plain.setText(QStringLiteral("AB"));
    marked.setText(QStringLiteral("A&B"));
    doubled.setText(QStringLiteral("A&&B"));

    QCOMPARE(marked.size(), plain.size());
    const QImage plainImage = render(plain);
    const QImage markedImage = render(marked);
    // Same glyphs; the marked one has an underline under "B" below the baseline.
    const int baseline = QFontMetrics(plain.font()).ascent() + 1;
    QCOMPARE(inkBelowBaseline(plainImage, baseline), 0);
    QVERIFY(inkBelowBaseline(markedImage, baseline) > 0);
    // "&&" draws one "&" between A and B.
    QVERIFY(doubled.width() > plain.width());
    QVERIFY(inkColumns(render(doubled)) > inkColumns(plainImage));
}

void TestElements::labelIsTransparentAndClipped()
{
    toolkit::TextLabel label;
    label.setFontRecord(font("Impact", -37));
    label.setText(QStringLiteral("WWWWWW"));
    const QImage full = render(label, Qt::red);
    // Around the glyphs the background shows.
    QCOMPARE(full.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(full.pixelColor(full.width() - 1, full.height() - 1), QColor(Qt::red));
    // A narrower box cuts the text at its right edge.
    label.setWidth(40);
    QCOMPARE(render(label, Qt::red).width(), 40);
}

void TestElements::circleGeometry_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("outer circle 450") << QSize(450, 450);
    QTest::newRow("centre circle 70") << QSize(70, 70);
    QTest::newRow("wide box keeps a centred circle") << QSize(120, 70);
}

void TestElements::circleGeometry()
{
    QFETCH(QSize, size);
    toolkit::Shape shape;
    shape.setShapeType(toolkit::Shape::Circle);
    shape.resize(size);
    const QImage img = render(shape, Qt::red);
    const int side = std::min(size.width(), size.height());
    const int left = (size.width() - side) / 2;
    const int cy = size.height() / 2;
    // Outline on the square's left and right edge at mid height, white inside,
    // background outside.
    QVERIFY(qGray(img.pixel(left, cy)) < 160);
    QVERIFY(qGray(img.pixel(left + side - 1, cy)) < 160);
    QCOMPARE(img.pixelColor(left + side / 2, cy), QColor(Qt::white));
    QCOMPARE(img.pixelColor(0, 0), QColor(Qt::red));
    if (left > 0)
        QCOMPARE(img.pixelColor(left - 1, cy), QColor(Qt::red));
}

void TestElements::dashGapsShowBrushColour()
{
    toolkit::Shape shape;
    shape.setShapeType(toolkit::Shape::Rectangle);
    shape.setPenStyle(Qt::DashDotDotLine);
    shape.resize(200, 50);
    const QImage img = render(shape, Qt::red);
    int black = 0, white = 0, other = 0;
    for (int x = 0; x < 200; ++x) {
        const QColor c = img.pixelColor(x, 0);
        if (qGray(c.rgb()) < 100)
            ++black;
        else if (c == QColor(Qt::white))
            ++white;
        else
            ++other;
    }
    QVERIFY(black > 40);
    QVERIFY(white > 40);
    QCOMPARE(other, 0);
}

void TestElements::oneColumnRectangleIsAVerticalLine()
{
    toolkit::Shape line;
    line.setShapeType(toolkit::Shape::Rectangle);
    line.resize(1, 414);
    QCOMPARE(line.figureBox(), QRect(0, 0, 1, 414));
    const QImage img = render(line, Qt::red);
    for (int y : {0, 207, 413})
        QVERIFY2(qGray(img.pixel(0, y)) < 100, qPrintable(QString::number(y)));
}

void TestElements::memoLinesEndWithLineBreakAndCaretAtEnd()
{
    toolkit::Memo memo;
    QStringList lines{QStringLiteral("此处键入或者修改")};
    for (int i = 0; i < 21; ++i)
        lines << QStringLiteral("文字");
    memo.setLines(lines);
    QCOMPARE(memo.lines(), lines);
    QVERIFY(memo.toPlainText().endsWith(QLatin1Char('\n')));
    QCOMPARE(memo.toPlainText().count(QLatin1Char('\n')), 22);
    QCOMPARE(memo.textCursor().position(), memo.toPlainText().size());
}

void TestElements::memoSetUp()
{
    toolkit::Memo memo;
    QCOMPARE(memo.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo.frameShape(), QFrame::NoFrame);
    QVERIFY(memo.tabChangesFocus());
    // Unfocused, a selection is drawn like plain text.
    QCOMPARE(memo.palette().color(QPalette::Highlight), memo.palette().color(QPalette::Base));
}

QTEST_MAIN(TestElements)
#include "tst_elements.moc"
