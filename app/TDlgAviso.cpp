// SPDX-License-Identifier: GPL-3.0-or-later
#include "TDlgAviso.h"

#include <QCloseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace kalto {

namespace {
// The client area, which the bar fills.
constexpr int ClientWidth = 289;
constexpr int ClientHeight = 20;
}  // namespace

TDlgAviso::TDlgAviso(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint) {
    ProgressBar = new QProgressBar;
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ProgressBar);
    setFixedSize(ClientWidth, ClientHeight);
    Reset();
}

void TDlgAviso::Reset() {
    ProgressBar->setValue(0);
    setWindowTitle(QString::fromUtf8(ExportingCaption));
}

void TDlgAviso::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen()) {
        move(shown->availableGeometry().center() - rect().center());
    }
}

void TDlgAviso::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace kalto
