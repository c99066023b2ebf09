// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menus and SyncMenuItem, which keeps each item in line with
// its option.

#include "main_window.h"

#include "help/help_key.h"
#include "help/help_topics.h"
#include "help/help_window.h"
#include "location_editor/location_editor.h"
#include "stay_on_top.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMenuBar>

namespace main_window {

QAction* TfrmVesperon::menuAction(const QString& objectName) const {
  const auto found = actions_.find(objectName);
  return found == actions_.end() ? nullptr : found->second;
}

QAction* TfrmVesperon::AddRadio(QMenu* menu, QActionGroup* group, const QString& caption, const QString& name,
                                int tag, std::function<void(int)> handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  action->setCheckable(true);
  action->setData(tag);
  group->addAction(action);
  connect(action, &QAction::triggered, this, [handler, tag] { handler(tag); });
  actions_[name] = action;
  return action;
}

QAction* TfrmVesperon::AddCheck(QMenu* menu, const QString& caption, const QString& name,
                                std::function<void()> handler) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [handler] { handler(); });
  actions_[name] = action;
  return action;
}

void TfrmVesperon::ApplyStayOnTopSupport(const QString& platformName) {
  QAction* onTop = actions_.at(QStringLiteral("mnuOnTop"));
  const QString whyNot = WhyNoStayOnTop(platformName);
  onTop->setEnabled(whyNot.isEmpty());
  onTop->setToolTip(whyNot.isEmpty() ? tr("Keep the window on top of other windows (Ctrl+T)") : whyNot);
}

void TfrmVesperon::CreateMenus() {
  // Items reachable by shortcut only live on the window, not in a menu.
  const auto hidden = [this](const QString& caption, const QString& name, const QKeySequence& key,
                             std::function<void()> handler) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    addAction(action);
    actions_[name] = action;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->menuAction()->setObjectName("mnuFile");
  AddCheck(file, tr("&Add To List"), "mnuListAdd", [this] { pnlSettings_->ListAdd(); });
  AddCheck(file, tr("&Remove From List"), "mnuListRemove", [this] { pnlSettings_->ListRemove(); });
  AddCheck(file, tr("&Save List"), "mnuListSave", [this] { pnlSettings_->ListSave(); });
  file->addSeparator();
  AddCheck(file, tr("Time &Zone of the Place..."), "mnuPickZone", [this] { pnlSettings_->PickTimeZone(); });
  file->menuAction()->setVisible(false); // shown while the location editor is open
  actions_["mnuFile"] = file->menuAction();

  QMenu* time = menuBar()->addMenu(tr("&Time"));
  time->menuAction()->setObjectName("mnuTime");
  actions_["mnuTime"] = time->menuAction();
  AddCheck(time, tr("&Today"), "mnuToday", [this] { ReturnToToday(); })->setShortcut(Qt::Key_F2);
  AddCheck(time, tr("&Enter a Date"), "mnuEnterDate", [this] { mnuDateClick(false); })->setShortcut(Qt::Key_F3);
  time->addSeparator();
  auto* timeGroup = new QActionGroup(this);
  const auto setTimeType = [this](int tag) { SetTimeType(tag); };
  AddRadio(time, timeGroup, tr("&Standard Time"), "mnuTime_0", 0, setTimeType);
  AddRadio(time, timeGroup, tr("&Daylight Time"), "mnuTime_1", 1, setTimeType);
  AddRadio(time, timeGroup, tr("&Universal Time"), "mnuTime_2", 2, setTimeType);
  AddRadio(time, timeGroup, tr("&Local Time"), "mnuTime_3", astro::kLocalTime, setTimeType);
  time->addSeparator();
  AddCheck(time, tr("Autodetect at Startup"), "mnuAuto", [this] { FlipAutomode(); })->setCheckable(true);
  time->addSeparator();
  auto* formatGroup = new QActionGroup(this);
  const auto setFormat = [this](int tag) { SetTFormat(tag); };
  AddRadio(time, formatGroup, tr("&12 hr Format"), "mnuTF_0", 0, setFormat);
  AddRadio(time, formatGroup, tr("&24 hr Format"), "mnuTF_1", 1, setFormat);
  time->addSeparator();
  auto* twilightGroup = new QActionGroup(this);
  const auto setTwilight = [this](int tag) { SetTwilight(tag); };
  AddRadio(time, twilightGroup, tr("&Astronomical Twilight"), "mnuTwi_0", 0, setTwilight);
  AddRadio(time, twilightGroup, tr("&Nautical Twilight"), "mnuTwi_1", 1, setTwilight);
  AddRadio(time, twilightGroup, tr("&Civil Twilight"), "mnuTwi_2", 2, setTwilight);
  hidden(QStringLiteral("Show Seconds"), "mnuSeconds", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { FlipShowSeconds(); });

  QMenu* options = menuBar()->addMenu(tr("&Options"));
  options->menuAction()->setObjectName("mnuOptions");
  actions_["mnuOptions"] = options->menuAction();
  AddCheck(options, tr("&Location"), "mnuLocation", [this] { ToggleLocationEditor(); });
  AddCheck(options, tr("&Colors"), "mnuColors", [this] { ToggleColourPanel(); });
  options->addSeparator();
  AddCheck(options, tr("Moon &Phases"), "mnuPhases", [this] { FlipPhase(); })->setCheckable(true);
  AddCheck(options, tr("Moon &Transit"), "mnuTransit", [this] { FlipTransit(); })->setCheckable(true);
  AddCheck(options, tr("Az&imuth"), "mnuAzimuth", [this] { FlipAzimuth(); });
  options->addSeparator();
  QMenu* view = options->addMenu(tr("Moon &View"));
  auto* hemisphereGroup = new QActionGroup(this);
  const auto setHemisphere = [this](int tag) { SetHemisphere(tag == 0); };
  AddRadio(view, hemisphereGroup, tr("&Northern Hemisphere"), "mnuHem_0", 0, setHemisphere);
  AddRadio(view, hemisphereGroup, tr("&Southern Hemisphere"), "mnuHem_1", 1, setHemisphere);
  QMenu* calendarMenu = options->addMenu(tr("C&alendar"));
  auto* weekGroup = new QActionGroup(this);
  const auto setWeekStart = [this](int tag) { SetWeekStart(tag == 0); };
  AddRadio(calendarMenu, weekGroup, tr("&Sunday Start"), "mnuFDW_0", 0, setWeekStart);
  AddRadio(calendarMenu, weekGroup, tr("&Monday Start"), "mnuFDW_1", 1, setWeekStart);
  options->addSeparator();
  AddCheck(options, tr("Show &Hints"), "mnuHints", [this] { FlipHints(); })->setCheckable(true);
  AddCheck(options, tr("Big &Moon"), "mnuBigMoon", [this] { FlipBigMoon(); });
  AddCheck(options, tr("Long &Form"), "mnuFormLength", [this] { FlipFormLength(); });
  AddCheck(options, tr("Status &Bar"), "mnuStatus", [this] { FlipStatus(); })->setCheckable(true);
  hidden(QStringLiteral("OnTop"), "mnuOnTop", QKeySequence(Qt::CTRL | Qt::Key_T), [this] { FlipStayOnTop(); });
  ApplyStayOnTopSupport(QGuiApplication::platformName());
  hidden(QStringLiteral("Print"), "mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PrintWindow(); });
  hidden(QStringLiteral("ShowJulian"), "mnuJulian", QKeySequence(Qt::CTRL | Qt::Key_J), [this] { ShowJulian(); });
  // The calendar's mouse-only settings, from the keyboard: the weekday
  // headers' length (a click on them) and the year repeat's layout (a right
  // click on the year).
  hidden(QStringLiteral("Day Labels"), "mnuDayLabels", QKeySequence(Qt::CTRL | Qt::Key_D),
         [this] { calendar_->FlipDayLabels(); });
  hidden(QStringLiteral("Repeat Layout"), "mnuRepeatLayout", QKeySequence(Qt::CTRL | Qt::Key_R),
         [this] { FlipRepeatLayout(); });

  QAction* list = menuBar()->addAction(tr("&List"));
  list->setObjectName("mnuList");
  connect(list, &QAction::triggered, this, &TfrmVesperon::ShowList);
  actions_["mnuList"] = list;

  QAction* skyEvents = menuBar()->addAction(tr("Sky &Events"));
  skyEvents->setObjectName("mnuSkyEvents");
  skyEvents->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  connect(skyEvents, &QAction::triggered, this, &TfrmVesperon::ShowSkyEvents);
  actions_["mnuSkyEvents"] = skyEvents;

  QAction* chartsItem = menuBar()->addAction(tr("Cha&rts"));
  chartsItem->setObjectName("mnuCharts");
  chartsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  connect(chartsItem, &QAction::triggered, this, &TfrmVesperon::ShowCharts);
  actions_["mnuCharts"] = chartsItem;

  QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
  AddCheck(helpMenu, tr("&Contents"), "mnuContents", [this] { help::ShowHelpTopic(this, help::kContentsTopic); });
  AddCheck(helpMenu, tr("&Index"), "mnuIndex", [this] { help::ShowHelpIndex(this); });
  helpMenu->addSeparator();
  AddCheck(helpMenu, tr("&About"), "mnuAbout", [this] { ShowAbout(); });

  // F10 opens the first menu shown, as desktop programs do.
  hidden(QStringLiteral("Menus"), "mnuOpenMenus", QKeySequence(Qt::Key_F10), [this] {
    for (QAction* menu : menuBar()->actions()) {
      if (menu->isVisible() && menu->menu()) return menuBar()->setActiveAction(menu);
    }
  });

  // F1 on a highlighted item shows the item's own topic.
  const auto topic = [this](std::initializer_list<const char*> names, int context) {
    for (const char* name : names) menuAction(QLatin1String(name))->setProperty(help::kHelpContextProperty, context);
  };
  topic({"mnuTime", "mnuToday", "mnuTime_0", "mnuTime_1", "mnuTime_2", "mnuTF_0", "mnuTF_1", "mnuTwi_0", "mnuTwi_1",
         "mnuTwi_2"},
        help::kTimeMenuTopic);
  topic({"mnuPhases", "mnuTransit", "mnuAzimuth", "mnuHem_0", "mnuHem_1", "mnuFDW_0", "mnuFDW_1", "mnuHints",
         "mnuBigMoon", "mnuFormLength", "mnuStatus"},
        help::kOptionsMenuTopic);
  view->menuAction()->setProperty(help::kHelpContextProperty, help::kOptionsMenuTopic);
  calendarMenu->menuAction()->setProperty(help::kHelpContextProperty, help::kOptionsMenuTopic);
  topic({"mnuList"}, help::kListTopic);
  topic({"mnuSkyEvents"}, help::kSkyEventsTopic);
  topic({"mnuCharts"}, help::kChartsTopic);
}

void TfrmVesperon::SyncMenuItem(int n) {
  const auto check = [this](const QString& name, bool on) {
    if (QAction* a = menuAction(name)) a->setChecked(on);
  };
  const auto caption = [this](const QString& name, const QString& text) {
    if (QAction* a = menuAction(name)) a->setText(text);
  };
  switch (n) {
    case 1: check(QStringLiteral("mnuTime_%1").arg(state_.TimeType), true); break;
    case 2: check(QStringLiteral("mnuTF_%1").arg(settings_.TFormat), true); break;
    case 3: check(QStringLiteral("mnuTwi_%1").arg(settings_.Twilight), true); break;
    case 4: check("mnuPhases", settings_.Phase); break;
    case 5: check("mnuTransit", state_.WantTransit); break;
    case 6: caption("mnuAzimuth", state_.WantAzimuth ? tr("&Illumination") : tr("Az&imuth")); break;
    case 7: check(settings_.NH ? "mnuHem_0" : "mnuHem_1", true); break;
    case 8: check(calendarOptions_.SunStart ? "mnuFDW_0" : "mnuFDW_1", true); break;
    case 9: check("mnuStatus", settings_.Status); break;
    case 10: caption("mnuBigMoon", settings_.BigMoon ? tr("Little &Moon") : tr("Big &Moon")); break;
    case 11: caption("mnuFormLength", settings_.FormLength ? tr("Short &Form") : tr("Long &Form")); break;
    case 12: check("mnuHints", settings_.Hints); break;
    case 13: check("mnuAuto", settings_.Automode); break;
    default: break;
  }
}

} // namespace main_window
