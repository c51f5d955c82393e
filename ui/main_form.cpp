#include "ui/main_form.hpp"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>

#include "core/check_inputs.hpp"
#include "core/reset.hpp"
#include "ui/chart_window.hpp"
#include "ui/control_factory.hpp"
#include "ui/control_table.hpp"
#include "ui/form_texts.hpp"
#include "ui/qt_text.hpp"

// The icon is compiled into the ui library; nothing else would keep the linker from dropping
// it, and Q_INIT_RESOURCE must stand outside any namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace ui {
namespace {

constexpr int kTickMilliseconds = 1000;

QString indexedName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

}  // namespace

MainForm::MainForm(std::unique_ptr<runtime::RandomSource> random, QWidget* parent)
    : QWidget(parent),
      model_(QLocale::system().decimalPoint().toStdString()),
      random_(std::move(random)) {
    initResources();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(kCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/overselling.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(pixelsFromTwips(kClientWidthTwips), pixelsFromTwips(kClientHeightTwips));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kFormBackColour));
    setPalette(palette);
    setFont(QFont(QStringLiteral("Times New Roman"), 12));

    // The design-time texts are there before any change notification is wired.
    model_.setText(core::Text1(0), std::string(kHelpText));
    model_.setText(core::Text1(1), std::string(kSaying));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &MainForm::Timer1_Timer);
    createControls();
    connectControls();
    installTeachingWindow(*this);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Form_Load();
}

MainForm::~MainForm() = default;

void MainForm::createControls() {
    for (const ControlDesign& design : controlTable()) {
        createControl(design, this);
    }
    for (int i = 0; i < 3; ++i) {
        text1_.at(i) = findChild<QWidget*>(indexedName("Text1", i));
        text2_.at(i) = findChild<QWidget*>(indexedName("Text2", i));
    }
    QWidget* previous = nullptr;
    for (const std::string_view name : tabOrder()) {
        auto* control = findChild<QWidget*>(toQString(name));
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
}

void MainForm::connectControls() {
    for (int i = 0; i < 2; ++i) {
        auto* button = findChild<QPushButton*>(indexedName("Command1", i));
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        auto* option = findChild<QAbstractButton*>(indexedName("Option1", i));
        connect(option, &QAbstractButton::clicked, this, [this, i] { Option1_Click(i); });
    }
    findChild<QAbstractButton*>(indexedName("Option1", 0))->setChecked(true);
    runButton_ = findChild<QPushButton*>(indexedName("Command1", 0));

    // Only the user's edits: the program's own writes reach the boxes from the model.
    const auto connectEdits = [this](QWidget* box, core::TextField field) {
        if (auto* line = qobject_cast<QLineEdit*>(box)) {
            connect(line, &QLineEdit::textEdited, this, [this, field](const QString& text) {
                model_.setText(field, text.toStdString());
            });
        }
    };
    for (int i = 0; i < 3; ++i) {
        connectEdits(text1_.at(i), core::Text1(i));
        connectEdits(text2_.at(i), core::Text2(i));
    }

    model_.setChangeListener([this](core::TextField field) {
        showText(field);
        if (field.array == core::TextArray::Text1) {
            Text1_Change(field.index);
        } else {
            Text2_Change(field.index);
        }
    });
}

void MainForm::showText(core::TextField field) {
    QWidget* box = (field.array == core::TextArray::Text1 ? text1_ : text2_).at(field.index);
    const std::string& text = model_.text(field);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        const QString shown = toQString(text);
        // Setting an equal text would move the cursor while the user types.
        if (line->text() != shown) {
            line->setText(shown);
        }
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(box)) {
        showMultiLineText(multiLine, text, shownMultiLine_.at(field.index));
    }
}

void MainForm::showMultiLineText(QPlainTextEdit* box, const std::string& text, std::string& shown) {
    // The log mostly grows at its end: laying out only the new tail keeps a tick cheap. A CR
    // at the end of what is shown could pair with an LF in the tail, so that case is redone.
    const bool appended = !shown.empty() && shown.back() != '\r' && text.size() > shown.size() &&
                          text.starts_with(shown);
    if (appended) {
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        end.insertText(displayText(std::string_view(text).substr(shown.size())));
    } else {
        box->setPlainText(displayText(text));
    }
    shown = text;
    // Keep the newest line in view, so a user watching the ticks need not scroll.
    box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
}

void MainForm::syncRunButton() {
    runButton_->setEnabled(model_.runEnabled);
    emit modelChanged();
}

void MainForm::syncTimer() {
    // Starting an active QTimer restarts it: a second Run must keep the tick's phase.
    if (model_.timerEnabled && !timer_->isActive()) {
        timer_->start();
    } else if (!model_.timerEnabled && timer_->isActive()) {
        timer_->stop();
    }
    emit modelChanged();
}

void MainForm::Form_Load() {
    core::ResetSimulation(model_);
    random_->reseedFromClock();
    syncTimer();
}

void MainForm::Command1_Click(int index) {
    if (index == 0) {
        model_.timerEnabled = true;
    } else if (index == 1) {
        core::ResetSimulation(model_);
        model_.setText(core::Text1(0), "");
    }
    syncTimer();
}

void MainForm::Option1_Click(int index) {
    model_.Situation = static_cast<std::int16_t>(index);
    core::ResetSimulation(model_);
    model_.setText(core::Text1(0), "");
    syncTimer();
}

void MainForm::Text1_Change(int /*index*/) {
    core::CheckInputs(model_);
    syncRunButton();
}

void MainForm::Text2_Change(int /*index*/) {
    core::CheckInputs(model_);
    syncRunButton();
}

void MainForm::Timer1_Timer() {
    // A timeout delivered after the run was stopped is not a tick.
    if (!model_.timerEnabled) {
        return;
    }
    const auto stop = core::Timer1_Timer(model_, *random_);
    syncTimer();
    if (stop) {
        showStopMessage(*stop);
    }
}

void MainForm::pauseRun() {
    model_.timerEnabled = false;
    syncTimer();
}

void MainForm::stepOnce() {
    const auto* message = findChild<QMessageBox*>(QStringLiteral("StopMessage"));
    if (timer_->isActive() || (message != nullptr && message->isVisible())) {
        return;
    }
    // Timer1_Timer takes a tick only from an enabled timer, and may stop it for good itself.
    model_.timerEnabled = true;
    QMetaObject::invokeMethod(timer_, "timeout");
    model_.timerEnabled = false;
    syncTimer();
}

void MainForm::setTickInterval(int milliseconds) {
    // A coarse timer may be 5 % late; a precise one keeps 1 ms ticks at 1000 a second.
    timer_->setTimerType(milliseconds < 20 ? Qt::PreciseTimer : Qt::CoarseTimer);
    timer_->setInterval(milliseconds);
}

int MainForm::tickInterval() const {
    return timer_->interval();
}

bool MainForm::isRunning() const {
    return timer_->isActive();
}

void MainForm::showStopMessage(core::StopReason reason) {
    // Window-modal and non-blocking: the event loop goes on, and Clear starts over.
    auto* box = new QMessageBox(QMessageBox::Warning, toQString(kTitle),
                                toQString(core::stopMessage(reason)), QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("StopMessage"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

}  // namespace ui
