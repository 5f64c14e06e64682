#pragma once
// Drive a window as a user would: find a component by its objectName, type into it, click it,
// read what it shows. A component that is missing fails the test with its name.
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>

#include "support/fake_platform.h"
#include "support/temp_folder.h"

class QAction;

namespace veltrane::test {

template <class T>
T* Find(QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  if (!found) ADD_FAILURE() << "no component named " << name;
  return found;
}

// Replace the field's text as typing would (every change handler runs).
void Type(QObject* root, const char* name, const std::string& text);
// Type each field in turn, as a user fills a form.
void Type(QObject* root, std::initializer_list<std::pair<const char*, std::string>> fields);
// Click a button, radio button, check box, or trigger a menu action.
void Click(QObject* root, const char* name);
// Press a key in a field as a user would after putting the cursor there (Enter, Esc, F1 ...).
void PressKey(QObject* root, const char* name, Qt::Key key);
// Text of a line edit, label, button, combo box, text area or status bar.
std::string Text(QObject* root, const char* name);
bool IsChecked(QObject* root, const char* name);
bool IsEnabled(QObject* root, const char* name);
bool IsVisible(QObject* root, const char* name);
// Selected text of a line edit (a failed entry check selects the whole text).
std::string SelectedText(QObject* root, const char* name);
void SelectCombo(QObject* root, const char* name, const std::string& itemText);

// One entry check at its limit: `limit` is taken without a message, `beyond` is refused with
// `message` and left selected for retyping.
struct EntryLimit {
  const char *field, *limit, *beyond, *message;
};
void ExpectEntryLimits(QObject* root, FakePlatform& platform, std::initializer_list<EntryLimit> limits);

// A context over a fake platform and fresh settings and program folders.
struct TestContext {
  FakePlatform platform;
  TempFolder settings;
  TempFolder program;
  AppContext ctx{platform, settings.Path(), program.Path()};
};

// A fixture of one window over a fresh context.
template <class Form>
struct WindowTest : ::testing::Test {
  TestContext t;
  Form form{t.ctx};
};

}  // namespace veltrane::test
