// SPDX-License-Identifier: GPL-3.0-or-later
// The page area of the viewer: a scroll area that shows the page image at a
// view scale, fitting the whole page into the window (the default) or
// zoomed in and out from there. It asks for the page to be drawn anew
// whenever the scale it shows the page at changes, so that the page is
// always drawn for the pixels it is shown on, never an enlarged bitmap.
#pragma once

#include <QImage>
#include <QScrollArea>
#include <QSize>

class QLabel;

namespace vostrane {

inline constexpr double kZoomStep = 1.25;
inline constexpr double kMinViewScale = 0.2;
inline constexpr double kMaxViewScale = 8.0;

class PageView : public QScrollArea {
  Q_OBJECT

 public:
  explicit PageView(QWidget* parent = nullptr);

  // The page size in page pixels (the image without its render scale).
  void SetPageSize(QSize pageSize);
  QSize PageSize() const { return page_; }
  // Logical pixels per page pixel at which the page is shown.
  double Scale() const;
  // The scale that shows the whole page in the viewport.
  double FitScale() const;
  bool Fitting() const { return fit_; }
  // Device pixels per logical pixel of the screen the view is on.
  double PixelRatio() const;

  void ZoomIn();
  void ZoomOut();
  void FitPage();
  // Fits the page again from the next drawing on, without asking for one
  // (a new viewing starts fitted, whatever the last one was zoomed to).
  void StartFitted() { fit_ = true; }

  // Shows the drawn page (its device pixel ratio tells its logical size).
  void ShowImage(const QImage& image);
  void Clear();
  QLabel* ImageLabel() const { return label_; }

 signals:
  // The page must be drawn again for Scale() and PixelRatio().
  void ScaleChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetScale(double scale, bool fit);

  QLabel* label_ = nullptr;
  QSize page_{616, 832};
  bool fit_ = true;
  double zoom_ = 1.0;      // the scale when not fitting
  double shownScale_ = 0;  // the scale the shown image was drawn for
};

}  // namespace vostrane
