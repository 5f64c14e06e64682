#include "support/ui_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QTest>

namespace veltrane::test {
namespace {

// A state of the widget, or else of the menu action, of that name.
template <class W>
bool Property(QObject* root, const char* name, bool (W::*ofWidget)() const, bool (QAction::*ofAction)() const) {
  const QString n = QString::fromLatin1(name);
  if (auto* w = root->findChild<W*>(n)) return (w->*ofWidget)();
  if (auto* a = root->findChild<QAction*>(n)) return (a->*ofAction)();
  ADD_FAILURE() << "no component named " << name;
  return false;
}

}  // namespace

void Type(QObject* root, const char* name, const std::string& text) {
  if (auto* edit = Find<QLineEdit>(root, name)) edit->setText(QString::fromStdString(text));
}

void Type(QObject* root, std::initializer_list<std::pair<const char*, std::string>> fields) {
  for (const auto& [name, text] : fields) Type(root, name, text);
}

void Click(QObject* root, const char* name) {
  const QString n = QString::fromLatin1(name);
  if (auto* button = root->findChild<QAbstractButton*>(n)) {
    button->click();
  } else if (auto* action = root->findChild<QAction*>(n)) {
    action->trigger();
  } else {
    ADD_FAILURE() << "nothing to click named " << name;
  }
}

void PressKey(QObject* root, const char* name, Qt::Key key) {
  if (auto* field = Find<QWidget>(root, name)) {
    field->setFocus();
    QTest::keyClick(field, key);
  }
}

std::string Text(QObject* root, const char* name) {
  auto* w = root->findChild<QObject*>(QString::fromLatin1(name));
  if (!w) {
    ADD_FAILURE() << "no component named " << name;
    return {};
  }
  if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().toStdString();
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text().toStdString();
  if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText().toStdString();
  if (auto* p = qobject_cast<QPlainTextEdit*>(w)) return p->toPlainText().toStdString();
  if (auto* t = qobject_cast<QTextEdit*>(w)) return t->toPlainText().toStdString();
  if (auto* a = qobject_cast<QAction*>(w)) return a->text().toStdString();
  if (auto* s = qobject_cast<QStatusBar*>(w)) return s->currentMessage().toStdString();
  ADD_FAILURE() << name << " shows no text";
  return {};
}

bool IsChecked(QObject* root, const char* name) {
  return Property(root, name, &QAbstractButton::isChecked, &QAction::isChecked);
}
bool IsEnabled(QObject* root, const char* name) { return Property(root, name, &QWidget::isEnabled, &QAction::isEnabled); }
bool IsVisible(QObject* root, const char* name) { return Property(root, name, &QWidget::isVisible, &QAction::isVisible); }

std::string SelectedText(QObject* root, const char* name) {
  auto* e = Find<QLineEdit>(root, name);
  return e ? e->selectedText().toStdString() : std::string();
}

void ExpectEntryLimits(QObject* root, FakePlatform& platform, std::initializer_list<EntryLimit> limits) {
  for (const EntryLimit& l : limits) {
    platform.Clear();
    Type(root, l.field, l.limit);
    EXPECT_EQ(platform.messages, std::vector<std::string>{}) << l.field << " " << l.limit;
    Type(root, l.field, l.beyond);
    EXPECT_EQ(platform.messages, std::vector<std::string>{l.message}) << l.field << " " << l.beyond;
    EXPECT_EQ(SelectedText(root, l.field), l.beyond) << l.field;
    Type(root, l.field, "");
  }
  platform.Clear();
}

void SelectCombo(QObject* root, const char* name, const std::string& itemText) {
  auto* c = Find<QComboBox>(root, name);
  if (!c) return;
  const int i = c->findText(QString::fromStdString(itemText));
  if (i < 0) ADD_FAILURE() << name << " has no item " << itemText;
  c->setCurrentIndex(i);
}

}  // namespace veltrane::test
