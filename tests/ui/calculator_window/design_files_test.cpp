// Design files on the desktop: opened from the menu and the shortcut into the fields and the
// settings as typed, without calculating; saved and opened again; every refused file leaves the
// window as it was.
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "qt_test_app.h"
#include "window_driver.h"

namespace {

/// The design both faces write byte for byte, as the page saves it.
const QString kBothFaces = QStringLiteral(TS_BOTH_FACES_DESIGN);

/// Its fields and settings as the window shows them.
const QStringList kBothFacesFields = {"3", "220", "12", "1,5", "2", "5", "7", "12 см", "0.2"};
const std::vector<std::pair<const char*, const char*>> kBothFacesSettings = {
    {"bobbin", "1.5"},   {"interlayer", "0.05"}, {"ownWire1", ""}, {"ownWire2", "0.45"},
    {"frequency", "60"}, {"ambient", "25.5"},    {"limit", "105"}, {"refineFlux", "1.2"}};

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

struct Asked {
  ui::DesignChoice choice;
  QString folder;
  QString name;
};

class DesignFiles : public testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureQtApp(); }

  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // A window whose dialogs answer at once: reports are kept, the file dialog gives `answer_`.
  std::unique_ptr<ui::Form1> Window() {
    return std::make_unique<ui::Form1>(
        [this](QWidget*, const QString& message, const QString&) { reports_.push_back(message); },
        [this](QWidget*, ui::DesignChoice choice, const QString& folder, const QString& name) {
          asked_.push_back({choice, folder, name});
          return answer_;
        });
  }

  QString Text(const char* name) const {
    return window_->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  }

  QStringList Fields() const {
    QStringList texts;
    for (int k = 1; k <= 9; ++k) texts << Text(QStringLiteral("Text%1").arg(k).toLatin1());
    return texts;
  }

  QString Setting(const char* name) {
    if (plan_ == nullptr) plan_ = OpenPlan(*window_);
    return plan_->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
  }

  int Grade() {
    if (plan_ == nullptr) plan_ = OpenPlan(*window_);
    return plan_->findChild<QComboBox*>(QStringLiteral("grade"))->currentData().toInt();
  }

  void ExpectBothFacesDesign() {
    EXPECT_EQ(Fields(), kBothFacesFields);
    EXPECT_EQ(Grade(), 1);
    for (const auto& [name, text] : kBothFacesSettings) EXPECT_EQ(Setting(name), text) << name;
    EXPECT_EQ(window_->windowTitle(), "Блок питания «БП-12» — Расчет трансформатора");
  }

  // Every text the two windows show: fields, results, settings, their messages and captions.
  QStringList Screen() const {
    QStringList texts{window_->windowTitle()};
    for (const QWidget* root :
         {static_cast<const QWidget*>(window_.get()), static_cast<const QWidget*>(plan_)}) {
      if (root == nullptr) continue;
      texts << root->windowTitle();
      for (const auto* field : root->findChildren<QLineEdit*>()) {
        texts << field->objectName() + '=' + field->text() + '|' + field->toolTip();
      }
      for (const auto* label : root->findChildren<QLabel*>()) {
        texts << label->objectName() + '=' + label->text() + '|' + label->toolTip();
      }
      for (const auto* box : root->findChildren<QComboBox*>()) texts << box->currentText();
    }
    return texts;
  }

  QString Path(const QString& name) const { return folder_.filePath(name); }

  QTemporaryDir folder_;
  std::vector<QString> reports_;
  std::vector<Asked> asked_;
  QString answer_;
  std::unique_ptr<ui::Form1> window_ = (ForgetStoredSettings(), Window());
  ui::PlanWindow* plan_ = nullptr;
};

TEST_F(DesignFiles, ContextMenuOpensADesignIntoTheFieldsAndSettingsWithoutCalculating) {
  Calculate(*window_, kStartInputs);
  const QString power = window_->findChild<QLabel*>(QStringLiteral("Label26"))->text();
  answer_ = kBothFaces;
  QWidget* under = window_->findChild<QWidget*>(QStringLiteral("Label10"));
  QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(1, 1), under->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(under, &click);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  for (QAction* item : menu->actions()) {
    if (item->text() == QStringLiteral("Открыть проект…")) item->trigger();
  }
  menu->close();
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].choice, ui::DesignChoice::Open);
  EXPECT_TRUE(reports_.empty());
  ExpectBothFacesDesign();
  EXPECT_EQ(window_->findChild<QLabel*>(QStringLiteral("Label26"))->text(), power);
  EXPECT_EQ(plan_->windowTitle(), "Блок питания «БП-12» — План намотки и проверка");
}

TEST_F(DesignFiles, CtrlOOpensFromAnyControlAndTheDialogRemembersItsFolder) {
  answer_ = kBothFaces;
  QTest::keyClick(window_->findChild<QWidget*>(QStringLiteral("Text3")), Qt::Key_O,
                  Qt::ControlModifier);
  ASSERT_EQ(asked_.size(), 1u);
  ExpectBothFacesDesign();
  window_.reset();
  plan_ = nullptr;
  window_ = Window();  // the next session
  answer_.clear();
  WindowAction(*window_, "openDesign")->trigger();
  ASSERT_EQ(asked_.size(), 2u);
  EXPECT_EQ(asked_[1].folder, QFileInfo(kBothFaces).absolutePath());
}

// What the page saves, the window saves byte for byte after opening it: so each face opens the
// other's files with the same texts and settings.
TEST_F(DesignFiles, SavesTheDesignItOpenedAsThePageDoes) {
  ASSERT_TRUE(window_->OpenDesign(kBothFaces));
  answer_ = Path(QStringLiteral("again.json"));
  QTest::keyClick(window_->findChild<QWidget*>(QStringLiteral("Command2")), Qt::Key_S,
                  Qt::ControlModifier);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_EQ(asked_[0].choice, ui::DesignChoice::Save);
  EXPECT_EQ(asked_[0].name, "Блок питания «БП-12».json");
  EXPECT_EQ(ReadBytes(answer_), ReadBytes(kBothFaces));
}

TEST_F(DesignFiles, SavedTextsAsTypedAndSettingsOpenAgainInAnotherSession) {
  const QStringList typed = {" 3 ", "220 В", "12\t", "1,5", "2e0", "", "7", "1.2.3", "\"0.2\""};
  for (int k = 0; k < 9; ++k) {
    window_->findChild<QLineEdit*>(QStringLiteral("Text%1").arg(k + 1))->setText(typed[k]);
  }
  plan_ = OpenPlan(*window_);
  plan_->findChild<QLineEdit*>(QStringLiteral("ownWire1"))->setText(QStringLiteral("0.2"));
  plan_->findChild<QLineEdit*>(QStringLiteral("steelLoss"))->setText(QStringLiteral("2.25"));
  const QString path = Path(QStringLiteral("мой трансформатор.json"));
  ASSERT_TRUE(window_->SaveDesign(path));
  EXPECT_EQ(window_->windowTitle(), "мой трансформатор — Расчет трансформатора");
  window_.reset();
  plan_ = nullptr;
  ForgetStoredSettings();
  window_ = Window();
  ASSERT_TRUE(window_->OpenDesign(path));
  EXPECT_EQ(Fields(), typed);
  EXPECT_EQ(Setting("ownWire1"), "0.2");
  EXPECT_EQ(Setting("steelLoss"), "2.25");
  EXPECT_EQ(Setting("bobbin"), "1");
  EXPECT_EQ(window_->windowTitle(), "мой трансформатор — Расчет трансформатора");
}

TEST_F(DesignFiles, AFileThatCannotBeWrittenIsReportedAndTheTitleStays) {
  EXPECT_FALSE(window_->SaveDesign(Path(QStringLiteral("нет папки/проект.json"))));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].startsWith(QStringLiteral("Проект не сохранен: не удалось записать")));
  EXPECT_EQ(window_->windowTitle(), "Расчет трансформатора");
}

struct BadFile {
  const char* name;
  QByteArray bytes;    // written to the file; a null array makes no file
  const char* reason;  // what the message says after the file's name
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

QByteArray Document(const QByteArray& members) {
  return R"({"transformer-sizer-design":1,"fields":["3","220","12","1.5","2","5","7","12","0.2"])" +
         members + "}";
}

class RefusedFile : public DesignFiles, public testing::WithParamInterface<BadFile> {};

// A press, a field edited since, the plan window open with a setting refused as typed: all of it
// stays when a file is refused, and the message names the file and why.
TEST_P(RefusedFile, IsReportedWithItsNameAndReasonAndChangesNothing) {
  Calculate(*window_, kStartInputs);
  window_->findChild<QLineEdit*>(QStringLiteral("Text2"))->setText(QStringLiteral("230"));
  plan_ = OpenPlan(*window_);
  plan_->findChild<QLineEdit*>(QStringLiteral("bobbin"))->setText(QStringLiteral("-1"));
  const QStringList before = Screen();
  const QString path = Path(QString::fromLatin1(GetParam().name));
  if (!GetParam().bytes.isNull()) WriteBytes(path, GetParam().bytes);
  answer_ = path;
  WindowAction(*window_, "openDesign")->trigger();
  ASSERT_EQ(reports_.size(), 1u);
  const QString expected =
      QStringLiteral("Проект «%1» не открыт: %2")
          .arg(QDir::toNativeSeparators(path), QString::fromUtf8(GetParam().reason));
  EXPECT_TRUE(reports_[0].startsWith(expected)) << reports_[0].toStdString();
  EXPECT_EQ(Screen(), before);
}

const QByteArray kLongField(64 * 1024 + 1, 'x');

// clang-format off
const BadFile kBadFiles[] = {
    {"garbage.json", QByteArray("\x89PNG\r\n\x1a\n", 8), "не JSON: ошибка в строке 1"},
    {"other.json", R"({"name": "package", "version": 1})", "не проект: в JSON нет ключа"},
    {"array.json", "[1, 2, 3]", "не проект: в JSON не объект"},
    {"newer.json", R"({"transformer-sizer-design":2})", "версия формата 2 новее"},
    {"big.json", Document("") + QByteArray(1 << 20, ' '), "больше 1 МиБ"},
    {"long-field.json",
     R"({"transformer-sizer-design":1,"fields":["3",")" + kLongField + R"(","1","1","1","1","1","1","1"]})",
     "поле 2 длиннее 64 КиБ"},
    {"numbers.json", R"({"transformer-sizer-design":1,"fields":[3,220,12,1.5,2,5,7,12,0.2]})",
     "поле 1 должно быть строкой"},
    {"setting.json", Document(R"(,"settings":{"frequency":"60"})"), "Частота сети"},
    {"refused-setting.json", Document(R"(,"settings":{"bobbin":500})"), "Толщина каркаса"},
    {"missing.json", QByteArray(), "такого файла нет"},
    {"empty.json", "", "пусто"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Files, RefusedFile, testing::ValuesIn(kBadFiles),
                         [](const testing::TestParamInfo<BadFile>& info) {
                           std::string name = info.param.name;
                           name = name.substr(0, name.find('.'));
                           std::erase(name, '-');
                           return name;
                         });

// The windings table and the diode drop travel with the design: opened into the plan window,
// saved back as they came.
TEST_F(DesignFiles, SecondariesAndTheDiodeDropOpenAndSaveAgain) {
  const QString given = Path(QStringLiteral("ламповый.json"));
  WriteBytes(given, Document(R"(,"secondaries":[{"kind":"ct-c"},{"U":6.3,"I":2,"kind":"ac"},)"
                             R"({"U":5,"I":2,"kind":"ac"}],"settings":{"diode":0.7})"));
  ASSERT_TRUE(window_->OpenDesign(given));
  EXPECT_EQ(Setting("diode"), "0.7");
  const auto* table = plan_->findChild<QTableWidget*>(QStringLiteral("windingsTable"));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 3);
  const QString saved = Path(QStringLiteral("saved.json"));
  ASSERT_TRUE(window_->SaveDesign(saved));
  const QByteArray bytes = ReadBytes(saved);
  EXPECT_TRUE(bytes.contains(R"("kind":"ct-c")")) << bytes.toStdString();
  EXPECT_TRUE(bytes.contains(R"({"U":5,"I":2,"kind":"ac"})")) << bytes.toStdString();
  EXPECT_TRUE(bytes.contains(R"("diode": 0.7)")) << bytes.toStdString();
  window_.reset();
  plan_ = nullptr;
  ForgetStoredSettings();
  window_ = Window();
  ASSERT_TRUE(window_->OpenDesign(saved));
  const QString again = Path(QStringLiteral("again.json"));
  ASSERT_TRUE(window_->SaveDesign(again));
  EXPECT_EQ(ReadBytes(again), bytes);
}

TEST_F(DesignFiles, AFolderIsRefusedAsNoFile) {
  const QStringList before = Screen();
  EXPECT_FALSE(window_->OpenDesign(folder_.path()));
  ASSERT_EQ(reports_.size(), 1u);
  EXPECT_TRUE(reports_[0].endsWith(QStringLiteral("» не открыт: это папка, а не файл.")));
  EXPECT_EQ(Screen(), before);
}

}  // namespace
