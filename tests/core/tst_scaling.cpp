#include "core/Scaling.h"
#include "widgets/Controls.h"
#include "widgets/Design.h"

#include <QtTest>

class TestScaling : public QObject
{
    Q_OBJECT

private slots:
    void factorAndOffset_data();
    void factorAndOffset();
    void scalesEveryControl();
    void unitScaleMovesNothing();
};

void TestScaling::factorAndOffset_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("offset");
    QTest::newRow("1024x768") << 1024 << 768 << 1.0f << 0;
    QTest::newRow("1280x1024, taller than 4:3") << 1280 << 1024 << 1.25f << 0;
    QTest::newRow("1920x1080, wide") << 1920 << 1080 << 1.40625f << 240;
    QTest::newRow("800x600") << 800 << 600 << 0.78125f << 0;
    QTest::newRow("1366x768") << 1366 << 768 << 1.0f << 171;
}

void TestScaling::factorAndOffset()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(float, factor);
    QFETCH(int, offset);
    const ScreenScale s = computeScreenScale(width, height);
    QCOMPARE(s.factor, factor);
    QCOMPARE(s.offsetX, offset);
}

void TestScaling::scalesEveryControl()
{
    QWidget form;
    auto *frame = Controls::frame(&form, QStringLiteral("FrameAB"), QRect(464, 32, 537, 273), QStringLiteral("F"),
                                  Design::font(QStringLiteral("Arial"), 14.25, true));
    auto *button = Controls::button(frame, QStringLiteral("Inside"), QRect(192, 24, 329, 41), QStringLiteral("B"),
                                    Design::font(QStringLiteral("Arial"), 14.25, true), Qt::white);
    auto *label = Controls::label(&form, QStringLiteral("Label1"), QRect(10, 20, 100, 30), QStringLiteral("L"),
                                  Design::font(QStringLiteral("Arial"), 12));
    auto *image = Controls::image(&form, QStringLiteral("Img"), QRect(100, 100, 64, 32));
    auto *line = Controls::line(&form, QStringLiteral("Line1"), QLineF(616, 100, 616, 300), Qt::black, 2);
    auto *shape = Controls::shape(&form, QStringLiteral("Shape1"), QRect(0, 0, 40, 40), ShapeWidget::Kind::Oval,
                                  Qt::red, Qt::black, 3);
    const QFont imageFont = image->font();

    ScaleFormToScreen(&form, computeScreenScale(1920, 1080));

    // A frame on the form is shifted; a control inside the frame only scaled.
    QCOMPARE(frame->x(), 893); // 464 * 1.40625 + 240 = 892.5
    QCOMPARE(button->x(), 270);
    QCOMPARE(button->y(), 34);   // 33.75
    QCOMPARE(button->width(), 463); // 462.66
    QCOMPARE(label->font().pointSizeF(), 17.0); // 16.875 rounded
    QCOMPARE(button->font().pointSizeF(), 20.0); // 20.04
    QCOMPARE(image->geometry(), QRect(381, 141, 90, 45));
    QCOMPARE(image->font(), imageFont);
    QCOMPARE(line->x1(), 1106.25);
    QCOMPARE(line->x2(), 1106.25);
    QCOMPARE(line->y2(), 421.875);
    QCOMPARE(line->borderWidth(), 3); // 2.8125
    QCOMPARE(shape->borderWidth(), 4); // 4.21875
}

void TestScaling::unitScaleMovesNothing()
{
    QWidget form;
    auto *label = Controls::label(&form, QStringLiteral("Label1"), QRect(10, 20, 100, 30), QStringLiteral("L"),
                                  Design::font(QStringLiteral("Arial"), 12));
    ScaleFormToScreen(&form, computeScreenScale(1024, 768));
    QCOMPARE(label->geometry(), QRect(10, 20, 100, 30));
    QCOMPARE(label->font().pointSizeF(), 12.0);
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
