// What a screen reader can announce: every hotspot and picture button has a
// name, and the verse box and labels expose their text as it changes.
#include <QAccessible>
#include <QApplication>
#include <QtTest>

#include "app/main_window.h"
#include "app/program.h"
#include "sections/section_screen.h"

using namespace ayat;

namespace {

QString announced(QWidget* w, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(what) : QString();
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(*qApp); }

    void everyHotspotAndButtonHasAName()
    {
        MainWindow w;
        int hotspots = 0, buttons = 0;
        for (Hotspot* h : w.findChildren<Hotspot*>()) {
            ++hotspots;
            QVERIFY2(!announced(h).isEmpty(), qPrintable(h->objectName()));
        }
        for (PictureButton* b : w.findChildren<PictureButton*>()) {
            ++buttons;
            QVERIFY2(!announced(b).isEmpty(), qPrintable(b->objectName()));
            if (!b->toolTip().isEmpty())
                QCOMPARE(announced(b), b->toolTip());
        }
        QCOMPARE(hotspots, 27);
        QCOMPARE(buttons, 7 + 4 * 3 + 2);
        QCOMPARE(announced(findControl(w.panels().panel(PanelId::Nature), "Image2")), QStringLiteral("the ship"));
        QCOMPARE(announced(findControl(w.client(), "b1nature")), QStringLiteral("Nature"));
    }

    void theVerseBoxAnnouncesWhatWasSelected()
    {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.foodsmnu_Click();
        auto* box = child<Label>(w.panels().panel(PanelId::Foods), "Labfoods");
        QCOMPARE(announced(box), QStringLiteral("no verse to translate"));
        auto* fig = child<Hotspot>(w.panels().panel(PanelId::Foods), "oils_f");
        QTest::mouseClick(fig, Qt::LeftButton, {}, fig->rect().center());
        QCOMPARE(announced(box), QStringLiteral("By the Fig and the Olive,"));
        QCOMPARE(announced(child<Label>(w.panels().panel(PanelId::Foods), "Label15")),
                 QStringLiteral("Foods in the Quran"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
