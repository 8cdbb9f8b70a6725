// SPDX-License-Identifier: GPL-3.0-or-later
#include "TFormAbout.h"

#include "Product.h"
#include "UserManual.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace kalto {

namespace {

constexpr int LogoSize = 96;
const QColor AboutBackground(255, 255, 236);
const QColor LinkColor(0, 0, 255);

QLabel* NewLink(QWidget* parent, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(QStringLiteral("Abrir el manual de usuario"));
    QPalette link = label->palette();
    link.setColor(QPalette::WindowText, LinkColor);
    label->setPalette(link);
    return label;
}

}  // namespace

TFormAbout::TFormAbout(QWidget* owner, const QDateTime& programFileTime)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("Acerca de"));
    setAttribute(Qt::WA_AlwaysShowToolTips);
    QPalette background = palette();
    background.setColor(QPalette::Window, AboutBackground);
    setPalette(background);
    setAutoFillBackground(true);

    ImageLogo = new QLabel(this);
    ImageLogo->setGeometry(20, 20, LogoSize, LogoSize);
    ImageLogo->setPixmap(QPixmap(QStringLiteral(":/kalto/kalto-256.png"))
                             .scaled(LogoSize, LogoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ImageLogo->setCursor(Qt::PointingHandCursor);
    ImageLogo->setToolTip(QStringLiteral("Abrir el manual de usuario"));

    LabelSite = NewLink(this, QStringLiteral("Manual de usuario de Kalto"), QRect(132, 40, 200, 20));
    QFont underlined = LabelSite->font();
    underlined.setUnderline(true);
    LabelSite->setFont(underlined);
    auto* subject = new QLabel(QStringLiteral("Efemérides y contactos\nde los cuerpos del zodíaco"), this);
    subject->setGeometry(132, 66, 200, 40);

    LabelDateComp = new QLabel(DateCompText(programFileTime), this);
    LabelDateComp->setGeometry(16, 196, AboutWidth - 32, 18);
    LabelDateComp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    LabelApp =
        NewLink(this, QStringLiteral("%1 v.%2").arg(ProductName, ProductVersion), QRect(16, 216, AboutWidth - 32, 30));
    LabelApp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont large = LabelApp->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.6);
    LabelApp->setFont(large);

    BOk = new QPushButton(QStringLiteral("De &acuerdo"), this);
    BOk->setGeometry((AboutWidth - 96) / 2, 256, 96, 28);
    BOk->setDefault(true);
    connect(BOk, &QPushButton::clicked, this, &QDialog::accept);

    for (QLabel* link : {ImageLogo, LabelSite, LabelApp}) {
        link->installEventFilter(this);
    }

    Timer = new QTimer(this);
    Timer->setInterval(SplashIntervalMs);
    connect(Timer, &QTimer::timeout, this, &TFormAbout::TimerTimer);

    PlaceCentred(AboutHeight);
}

void TFormAbout::PlaceCentred(int height) {
    setFixedSize(AboutWidth, height);
    const QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TFormAbout::TimerTimer() {
    Timer->stop();
    close();
}

// The logo, the site label and LabelApp open the user manual.
bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        OpenUserManual();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString DateCompText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyyMMddhhmm"));
}

QDateTime ProgramFileTime() {
    return QFileInfo(QCoreApplication::applicationFilePath()).lastModified();
}

TFormAbout* ShowSplash(QWidget* owner, const QDateTime& programFileTime, const QColor& background, int intervalMs) {
    auto* splash = new TFormAbout(owner, programFileTime);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QPalette colour = splash->palette();
    colour.setColor(QPalette::Window, background);
    splash->setPalette(colour);
    splash->BOk->hide();
    splash->PlaceCentred(SplashHeight);
    splash->setWindowModality(Qt::ApplicationModal);
    splash->Timer->setInterval(intervalMs);
    splash->Timer->start();
    splash->show();
    return splash;
}

}  // namespace kalto
