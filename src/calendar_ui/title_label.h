#pragma once

#include "gdi/color.h"

#include <QLabel>
#include <QStringList>

#include <functional>

class QMenu;

namespace calendar_ui {

// A transparent text label sized to its text. A right-aligned label keeps its right edge
// where it was set up and grows to the left; the others keep their left edge. An empty text
// measures as one space, so an empty label still has a size.
class TTitleLabel : public QLabel {
    Q_OBJECT
public:
    TTitleLabel(QWidget* parent, int left, int top, const QFont& font, gdi::TColor color);

    QString caption() const { return caption_; }
    // Shorter forms of the caption, best first, are shown when it does not fit (see
    // setMaxRight); the caption itself stays whole.
    void setCaption(const QString& caption, const QStringList& shorter = {});
    // The rightmost pixel column, in the parent, that the label may take; below 0 is no limit.
    // A left-aligned label then shows the first of its caption and shorter forms that fits,
    // or else the last one cut whole characters short with an ellipsis.
    void setMaxRight(int right);
    gdi::TColor fontColor() const { return color_; }
    void setFontColor(gdi::TColor color);
    // Anchors the right edge where it stands now.
    void setRightAligned();

    QMenu* PopupMenu = nullptr;
    std::function<void(QObject* sender)> OnClick;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    void AdjustBounds();
    QString FittingText(const QFontMetrics& fm) const;

    QString caption_;
    QStringList shorter_;
    int maxRight_ = -1;
    gdi::TColor color_;
    bool rightAligned_ = false;
    int right_ = 0;
    bool pressed_ = false;
};

} // namespace calendar_ui
