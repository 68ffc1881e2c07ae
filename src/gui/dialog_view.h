#pragma once

#include <QColor>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

#include "gui/dialog_units.h"
#include "ui/dialog.h"
#include "ui/dialog_observer.h"

namespace z3mq {

// What a dialog's template refers to but does not hold.
struct ViewResources {
  // The artwork of a picture control by its image id; a null pixmap leaves the picture empty.
  std::function<QPixmap(int imageId)> image;
  // Text colour of a rich-text piece by its colour index; black beyond the table.
  std::vector<QColor> richTextColours;
};

// The widgets of one dialog, built from its template with no knowledge of what the dialog is:
// every control at its rectangle converted from dialog units of the dialog's font, group boxes
// drawn behind the controls they frame. The view follows every change of the model; user input
// reaches the model only through its user... entry points, and program changes are never echoed
// back as input.
class DialogView : public QWidget, private DialogObserver {
 public:
  DialogView(Dialog& dialog, ViewResources resources, QWidget* parent = nullptr);
  ~DialogView() override;
  DialogView(const DialogView&) = delete;
  DialogView& operator=(const DialogView&) = delete;

  Dialog& dialog() const { return dialog_; }
  BaseUnits baseUnits() const { return units_; }
  // The template's size in pixels.
  QSize templateSize() const;
  // The widget showing the control with this id (positive ids only), or nullptr.
  QWidget* controlWidget(int id) const;

  // Makes page a child of the tab control tabControlId, at offset from the control's corner and
  // with the control's size: the page shows over the pane below the tab strip, clipped by it.
  void hostPage(int tabControlId, DialogView& page, QPoint offset);

 private:
  void controlChanged(const Dialog& dialog, int controlId, ControlChange change) override;
  void dialogVisibilityChanged(const Dialog& dialog) override;

  QWidget* createWidget(const ControlTemplate& control);
  void connectInput(int id, QWidget* widget);
  void syncAll(int id);
  void sync(int id, ControlChange change);
  void syncTabItems(int id);
  void appendRichText(int id, const ColouredText& piece);

  Dialog& dialog_;
  const ViewResources resources_;
  const BaseUnits units_;
  std::map<int, QWidget*> widgets_;
};

}  // namespace z3mq
