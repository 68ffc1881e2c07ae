#include "gui/dialog_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTextCursor>
#include <QTextEdit>

#include "gui/dialog_fonts.h"
#include "gui/group_frame.h"
#include "gui/ipv4_address_edit.h"
#include "gui/static_text.h"
#include "gui/tab_control_widget.h"

namespace z3mq {
namespace {

QString qt(const std::string& text) {
  return QString::fromStdString(text);
}

Qt::Alignment horizontalAlignment(const ControlStyle& style) {
  if (style.centred) return Qt::AlignHCenter;
  if (style.rightAligned) return Qt::AlignRight;
  return Qt::AlignLeft;
}

// The stand-in fonts are wider than the Windows faces the templates were drawn for: a list whose
// longest item would be cut in its closed box gets its font narrowed just enough, to 85 % at most.
void narrowToLongestItem(QComboBox* list) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  const int room =
      list->style()
          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
          .width() -
      4;
  int longest = 0;
  for (int i = 0; i < list->count(); ++i) {
    longest = std::max(longest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
  }
  if (longest <= room) return;
  list->setFont(withWidthScaled(list->font(), std::max(0.85, static_cast<qreal>(room) / longest)));
}

}  // namespace

DialogView::DialogView(Dialog& dialog, ViewResources resources, QWidget* parent)
    : QWidget(parent),
      dialog_(dialog),
      resources_(std::move(resources)),
      units_(baseUnitsOf(dialogFont(dialog.layout().font))) {
  setFont(dialogFont(dialog.layout().font));
  resize(templateSize());
  std::vector<QWidget*> groupBoxes;
  for (const ControlTemplate& control : dialog_.layout().controls) {
    QWidget* widget = createWidget(control);
    if (control.font) widget->setFont(dialogFont(*control.font));
    if (control.kind == ControlKind::GroupBox) groupBoxes.push_back(widget);
    if (control.id > 0) {
      widgets_[control.id] = widget;
      syncAll(control.id);
      connectInput(control.id, widget);
    } else {
      widget->setVisible(!control.style.hidden);
      widget->setEnabled(!control.style.disabled);
    }
  }
  // Frames go behind everything, whatever their place in the template.
  for (QWidget* groupBox : groupBoxes) groupBox->lower();
  setVisible(dialog_.isDialogVisible());
  dialog_.addObserver(*this);
}

DialogView::~DialogView() {
  dialog_.removeObserver(*this);
}

QSize DialogView::templateSize() const {
  return toPixels(dialog_.layout().widthDlu, dialog_.layout().heightDlu, units_);
}

QWidget* DialogView::controlWidget(int id) const {
  const auto it = widgets_.find(id);
  return it == widgets_.end() ? nullptr : it->second;
}

void DialogView::hostPage(int tabControlId, DialogView& page, QPoint offset) {
  QWidget* tabs = controlWidget(tabControlId);
  page.setParent(tabs);
  page.setGeometry(QRect(offset, tabs->size()));
  page.setVisible(page.dialog().isDialogVisible());
}

QWidget* DialogView::createWidget(const ControlTemplate& control) {
  QRect geometry = toPixels(control.rect, units_);
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Label: {
      auto* label = new StaticText(geometry, horizontalAlignment(control.style), this);
      label->setStaticText(control.text);
      return label;  // places itself
    }
    case ControlKind::GroupBox: {
      auto* box = new GroupFrame(this);
      box->setTitle(qt(control.text));
      widget = box;
      break;
    }
    case ControlKind::Picture: {
      auto* picture = new QLabel(this);
      const QPixmap image = resources_.image ? resources_.image(control.imageId) : QPixmap{};
      if (!image.isNull()) {
        // A picture control takes its image's size.
        picture->setPixmap(image);
        geometry.setSize(image.deviceIndependentSize().toSize());
      }
      widget = picture;
      break;
    }
    case ControlKind::PushButton:
      widget = new QPushButton(qt(control.text), this);
      break;
    case ControlKind::CheckBox:
      widget = new QCheckBox(qt(control.text), this);
      break;
    case ControlKind::DropDownList: {
      auto* list = new QComboBox(this);
      // The template's height includes the dropped list; closed, the box is one line high.
      geometry.setHeight(std::min(geometry.height(), list->sizeHint().height()));
      widget = list;
      break;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(this);
      edit->setAlignment(horizontalAlignment(control.style) | Qt::AlignVCenter);
      widget = edit;
      break;
    }
    case ControlKind::Ipv4Address:
      widget = new Ipv4AddressEdit(this);
      break;
    case ControlKind::TabControl:
      widget = new TabControlWidget(this);
      break;
    case ControlKind::RichText: {
      auto* log = new QTextEdit(this);
      log->setReadOnly(true);
      widget = log;
      break;
    }
  }
  widget->setGeometry(geometry);
  return widget;
}

void DialogView::connectInput(int id, QWidget* widget) {
  switch (dialog_.kind(id)) {
    case ControlKind::PushButton:
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, id] { dialog_.userClick(id); });
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this, [this, id] {
        dialog_.userClick(id);
        sync(id, ControlChange::Check);
      });
      break;
    case ControlKind::DropDownList:
      connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this, [this, id](int index) {
        if (index != dialog_.selection(id)) dialog_.userSelect(id, index);
        sync(id, ControlChange::Selection);
      });
      break;
    case ControlKind::Edit:
      connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
              [this, id](const QString& text) {
                dialog_.userSetText(id, text.toStdString());
                sync(id, ControlChange::Text);
              });
      break;
    case ControlKind::Ipv4Address:
      connect(static_cast<Ipv4AddressEdit*>(widget), &Ipv4AddressEdit::addressEdited, this,
              [this, id](std::uint32_t address) {
                dialog_.userSetAddress(id, address);
                sync(id, ControlChange::Address);
              });
      break;
    case ControlKind::TabControl:
      connect(static_cast<TabControlWidget*>(widget)->tabBar(), &QTabBar::currentChanged, this,
              [this, id](int index) {
                dialog_.userSelectTab(id, index);
                sync(id, ControlChange::CurrentTab);
              });
      break;
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::Picture:
    case ControlKind::RichText:
      break;
  }
}

void DialogView::syncAll(int id) {
  sync(id, ControlChange::Visibility);
  sync(id, ControlChange::Enabled);
  switch (dialog_.kind(id)) {
    case ControlKind::Label:
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::Edit:
      sync(id, ControlChange::Text);
      break;
    case ControlKind::CheckBox:
      sync(id, ControlChange::Text);
      sync(id, ControlChange::Check);
      break;
    case ControlKind::DropDownList: {
      auto* list = static_cast<QComboBox*>(controlWidget(id));
      for (const std::string& item : dialog_.items(id)) list->addItem(qt(item));
      narrowToLongestItem(list);
      sync(id, ControlChange::Selection);
      break;
    }
    case ControlKind::Ipv4Address:
      sync(id, ControlChange::Address);
      break;
    case ControlKind::TabControl:
      sync(id, ControlChange::TabItems);
      break;
    case ControlKind::Picture:
      break;
    case ControlKind::RichText:
      for (const ColouredText& piece : dialog_.richText(id)) appendRichText(id, piece);
      break;
  }
}

void DialogView::controlChanged(const Dialog&, int controlId, ControlChange change) {
  sync(controlId, change);
}

void DialogView::dialogVisibilityChanged(const Dialog&) {
  setVisible(dialog_.isDialogVisible());
}

void DialogView::sync(int id, ControlChange change) {
  QWidget* widget = controlWidget(id);
  if (widget == nullptr) return;
  // Nothing set here is reported back as input: the signals the view listens to are the ones
  // that only the user's actions raise, and the rest are blocked.
  const QSignalBlocker blocker(widget);
  switch (change) {
    case ControlChange::Visibility:
      widget->setVisible(dialog_.isVisible(id));
      break;
    case ControlChange::Enabled:
      widget->setEnabled(dialog_.isEnabled(id));
      break;
    case ControlChange::Text: {
      const std::string& text = dialog_.text(id);
      if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->setStaticText(text);
      } else if (auto* box = dynamic_cast<GroupFrame*>(widget)) {
        box->setTitle(qt(text));
      } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Rewriting the same text would lose the caret.
        if (edit->text() != qt(text)) edit->setText(qt(text));
      } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(qt(text));
      }
      break;
    }
    case ControlChange::Selection:
      static_cast<QComboBox*>(widget)->setCurrentIndex(dialog_.selection(id));
      break;
    case ControlChange::Check:
      static_cast<QCheckBox*>(widget)->setChecked(dialog_.isChecked(id));
      break;
    case ControlChange::Address:
      static_cast<Ipv4AddressEdit*>(widget)->setAddress(dialog_.address(id));
      break;
    case ControlChange::TabItems:
      syncTabItems(id);
      break;
    case ControlChange::CurrentTab: {
      QTabBar* tabs = static_cast<TabControlWidget*>(widget)->tabBar();
      const QSignalBlocker tabBlocker(tabs);
      tabs->setCurrentIndex(dialog_.currentTab(id));
      break;
    }
    case ControlChange::RichText:
      appendRichText(id, dialog_.richText(id).back());
      break;
    case ControlChange::Focus:
      widget->setFocus(Qt::OtherFocusReason);
      break;
    case ControlChange::TextSelection:
      if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (dialog_.isAllTextSelected(id)) {
          edit->selectAll();
        } else {
          edit->deselect();
        }
      }
      break;
  }
}

void DialogView::syncTabItems(int id) {
  QTabBar* tabs = static_cast<TabControlWidget*>(controlWidget(id))->tabBar();
  const QSignalBlocker blocker(tabs);
  const std::vector<std::string>& items = dialog_.items(id);
  while (tabs->count() > static_cast<int>(items.size())) tabs->removeTab(tabs->count() - 1);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    if (i < tabs->count()) {
      tabs->setTabText(i, qt(items[static_cast<std::size_t>(i)]));
    } else {
      tabs->addTab(qt(items[static_cast<std::size_t>(i)]));
    }
  }
  tabs->setCurrentIndex(dialog_.currentTab(id));
}

void DialogView::appendRichText(int id, const ColouredText& piece) {
  auto* log = static_cast<QTextEdit*>(controlWidget(id));
  QTextCharFormat format;
  const auto colour = static_cast<std::size_t>(piece.colour);
  format.setForeground(piece.colour >= 0 && colour < resources_.richTextColours.size()
                           ? resources_.richTextColours[colour]
                           : QColor(Qt::black));
  QTextCursor cursor(log->document());
  cursor.movePosition(QTextCursor::End);
  cursor.insertText(qt(piece.text), format);
  log->ensureCursorVisible();
}

}  // namespace z3mq
