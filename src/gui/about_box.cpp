#include "gui/about_box.h"

#include <QDialog>
#include <QKeyEvent>

#include "app/about_box_template.h"
#include "ui/dialog.h"

namespace z3mq {
namespace {

// A dialog without buttons that Enter closes as well as Escape, as a Windows dialog does.
class AboutDialog : public QDialog {
 public:
  using QDialog::QDialog;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      accept();
      return;
    }
    QDialog::keyPressEvent(event);
  }
};

}  // namespace

void runAboutBox(QWidget* owner, const ViewResources& resources) {
  AboutDialog box(owner);
  Dialog model(aboutBoxTemplate());
  DialogView view(model, resources, &box);
  box.setObjectName(QStringLiteral("aboutBox"));
  box.setWindowTitle(QString::fromStdString(model.layout().caption));
  // Controls that run past the template's edges in the stand-in font (and the 32-pixel icon)
  // enlarge the box, keeping the icon's margin on the right and half of it below.
  const QRect content = view.childrenRect();
  view.resize(view.templateSize().expandedTo(
      QSize(content.right() + 1 + content.left(), content.bottom() + 1 + content.top() / 2)));
  box.setFixedSize(view.size());
  box.exec();
}

}  // namespace z3mq
