#include "aboutwindow.h"

#include "programinfo.h"
#include "twips.h"
#include "ui/widgets/controls.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Bounds and steps of the two bouncing labels, in twips.
struct Bounce
{
    int leftmost;
    int rightmost;
    int step;
};
constexpr Bounce Panta{50, 2700, 30};
constexpr Bounce Main{70, 1650, 50};

constexpr int MainTop = 4;

void bounce(int left, bool &right, const Bounce &bounds)
{
    if (left > bounds.rightmost)
        right = false;
    if (left < bounds.leftmost)
        right = true;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About %1").arg(ProgramInfo::name()));

    // The stage the two labels move on; no layout, they are placed by hand.
    auto *stage = new QWidget;
    stage->setObjectName(QStringLiteral("stage"));
    labMain = new QLabel(ProgramInfo::name(), stage);
    labMain->setObjectName(QStringLiteral("labMain"));
    QFont title = labMain->font();
    title.setPointSizeF(title.pointSizeF() * 2.4);
    title.setBold(true);
    labMain->setFont(title);
    labMain->adjustSize();
    //: The motto, in Greek ("everything flows"): usually kept as it is.
    labPanta = new QLabel(tr("...panta rhei..."), stage);
    labPanta->setObjectName(QStringLiteral("labPanta"));
    QFont motto = labPanta->font();
    motto.setItalic(true);
    labPanta->setFont(motto);
    labPanta->adjustSize();
    const int width = qMax(Twips::toPixels(Panta.rightmost + Panta.step) + labPanta->width(),
                           Twips::toPixels(Main.rightmost + Main.step) + labMain->width());
    stage->setFixedSize(width + 8, MainTop + labMain->height() + labPanta->height() + 6);

    labVersion = new QLabel(tr("Version %1").arg(ProgramInfo::version()));
    labVersion->setObjectName(QStringLiteral("labVersion"));
    labCredits = new QLabel(tr("Manager for the Mitsubishi Trium Mars\n(c) %1 by %2")
                                .arg(ProgramInfo::year(), ProgramInfo::authors()));
    labCredits->setObjectName(QStringLiteral("labCredits"));
    labMail = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(mailUrl().toString(), ProgramInfo::mailAddress()));
    labMail->setObjectName(QStringLiteral("labMail"));
    labMail->setToolTip(tr("Write us a mail"));
    // Tab reaches the link and Enter opens it, as a click does.
    labMail->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(labMail, &QLabel::linkActivated, this, [] { QDesktopServices::openUrl(mailUrl()); });
    cmdOK = new QPushButton(tr("&Allright!"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(stage, 0, Qt::AlignHCenter);
    for (QLabel *line : {labVersion, labCredits, labMail}) {
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    layout->addSpacing(8);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Enter still closes the box: the focus starts on Allright!, and Tab leads to the link.
    Controls::chainTabs({labMail, cmdOK});
    cmdOK->setFocus();

    place();
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(80);
    connect(&Timer1, &QTimer::timeout, this, &AboutWindow::tick);
    Timer1.start();
}

QUrl AboutWindow::mailUrl()
{
    return QUrl(QStringLiteral("mailto:") + ProgramInfo::mailAddress());
}

void AboutWindow::tick()
{
    bounce(pantaLeft_, hinpanta, Panta);
    bounce(mainLeft_, hinmain, Main);
    pantaLeft_ += hinpanta ? Panta.step : -Panta.step;
    mainLeft_ += hinmain ? Main.step : -Main.step;
    place();
}

void AboutWindow::place()
{
    labMain->move(Twips::toPixels(mainLeft_), MainTop);
    labPanta->move(Twips::toPixels(pantaLeft_), MainTop + labMain->height());
}
