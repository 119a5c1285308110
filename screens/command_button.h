// The command buttons of the title and certificate windows. Each has an
// access key in its caption ("&O K" makes Alt+O press it) and no default
// role: Enter presses a button only while that button has the focus, never
// from elsewhere in the window.
#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace zupi {

// A button on `parent` at `geometry` (pixels), caption as the layout gives
// it, neither default nor auto-default, answering Enter and Return only
// when it has the focus itself.
QPushButton* MakeCommandButton(const QString& caption, const QRect& geometry, QWidget* parent);

}  // namespace zupi
