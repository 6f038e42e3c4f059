// The callouts of the guide's pictures on real windows, offscreen: each stands beside its
// control and inside the picture, never on a control's text (measured here from the widgets'
// own text, not from the placement's list), and a window with no room for a mark fails the
// picture instead of hiding a text under it.

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include "guide/ui/callout_picture.h"
#include "guide/ui/control_text_areas.h"

namespace {

// How far from its control a mark may stand.
constexpr int kReach = 200;

QRect inWindow(const QWidget* widget, const QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

// Where the label's text is drawn, measured from its font.
QRect labelText(const QLabel* label, const QWidget* window) {
    const QRect text =
        QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                            label->fontMetrics().size(0, label->text()), label->contentsRect());
    return text.translated(label->mapTo(window, QPoint(0, 0)));
}

}  // namespace

class CalloutPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void calloutsStandBesideTheirControlsClearOfEveryText() {
        // A tight block of buttons under a wide label, as the editors' tool bars are.
        QWidget window;
        auto* grid = new QGridLayout(&window);
        grid->setSpacing(2);
        auto* title = new QLabel(QStringLiteral("Store name and the register's model"));
        grid->addWidget(title, 0, 0, 1, 4);
        QList<QPushButton*> buttons;
        for (int i = 0; i < 12; ++i) {
            buttons.append(new QPushButton(QStringLiteral("Button %1").arg(i + 1)));
            grid->addWidget(buttons.last(), 1 + i / 4, i % 4);
        }
        grid->addWidget(new QLineEdit(QStringLiteral("a value")), 4, 0, 1, 4);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // The first, a middle and the last button: the middle one has text on every side.
        const QList<QWidget*> marks = {buttons[0], buttons[5], buttons[11]};
        QList<QRect> controls, texts;
        for (QWidget* mark : marks) {
            controls.append(inWindow(mark, &window));
        }
        for (QPushButton* button : buttons) {
            texts.append(inWindow(button, &window));
        }
        texts.append(labelText(title, &window));
        QList<QRect> freeOf, textAreas;
        for (const tk73guide::ControlArea& area : tk73guide::controlAreas(&window)) {
            freeOf.append(area.whole);
            textAreas.append(area.text);
        }
        const QRect picture(QPoint(0, 0), window.size());
        const QList<QPoint> places =
            tk73guide::calloutPlaces(controls, freeOf, textAreas, picture.size());
        QCOMPARE(places.size(), marks.size());
        for (int mark = 0; mark < places.size(); ++mark) {
            QVERIFY2(!places[mark].isNull(), qPrintable(QString::number(mark)));
            const QRect circle = tk73guide::calloutCircle(places[mark]);
            QVERIFY(picture.contains(circle));
            QVERIFY(!circle.intersects(controls[mark]));
            // Beside it: where the block leaves no room, on the nearest free space.
            const QRect reach = controls[mark].adjusted(-kReach, -kReach, kReach, kReach);
            QVERIFY(reach.contains(circle.center()));
            for (const QRect& text : texts) {
                QVERIFY2(!circle.intersects(text), qPrintable(QString::number(mark)));
            }
            for (int other = 0; other < mark; ++other) {
                QVERIFY(!circle.intersects(tk73guide::calloutCircle(places[other])));
            }
        }

        // The mark at the control's corner, where the callouts once stood, covers its text.
        const QPoint corner = controls[1].topLeft() + QPoint(5, 5);
        QCOMPARE(tk73guide::calloutOnText({places[0], corner}, textAreas), 1);

        QTemporaryDir folder;
        QString problem;
        QVERIFY2(tk73guide::saveCalloutPicture(&window, marks, folder.path(), "block", problem),
                 qPrintable(problem));
        const QImage saved(folder.filePath(QStringLiteral("block.png")));
        QVERIFY(saved.width() > window.width() && saved.height() > window.height());
    }

    void aWindowWithoutRoomForAMarkFailsThePicture() {
        // A button in the middle of a page of text, far from the window's edges.
        QWidget window;
        window.resize(700, 700);
        auto* page = new QPlainTextEdit(QString(2000, QLatin1Char('x')), &window);
        page->setGeometry(window.rect());
        auto* button = new QPushButton(QStringLiteral("Inside"), &window);
        button->setGeometry(320, 330, 60, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTemporaryDir folder;
        QString problem;
        QVERIFY(!tk73guide::saveCalloutPicture(&window, {button}, folder.path(), "page", problem));
        QVERIFY2(problem.contains(QStringLiteral("no place for callout 1")), qPrintable(problem));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("page.png"))));
    }
};

QTEST_MAIN(CalloutPictureTest)
#include "callout_picture_test.moc"
