#pragma once

#include "VirtualRemoteWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <functional>

// Works the learning page's controls by their names, wherever the page is shown.
class LearningPageDriver {
public:
    explicit LearningPageDriver(std::function<QWidget*()> root) : m_root(std::move(root)) {}

    template <class T> T* control(const char* name) const
    {
        T* found = m_root()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    QString status() const { return control<QPlainTextEdit>("Text4")->toPlainText(); }
    // Record, Test, Add.
    std::array<bool, 3> buttons() const
    {
        return {button("Command3")->isEnabled(), button("Command2")->isEnabled(), button("Command6")->isEnabled()};
    }
    void choose(const char* comboName, const QString& item) const
    {
        auto* combo = control<QComboBox>(comboName);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void selectRow(int row) const { control<QTableView>("DataGrid1")->selectRow(row); }
    QString caption() const { return control<QWidget>("Adodc1")->findChild<QLabel*>()->text(); }
    VirtualRemoteWindow* remote() const { return m_root()->findChild<VirtualRemoteWindow*>(); }

    // Presses Record, and the virtual remote's television power button once sampling has begun;
    // duringCapture runs then too, before the press.
    void recordTvPower(const std::function<void()>& duringCapture = {}) const
    {
        auto* text4 = control<QPlainTextEdit>("Text4");
        const auto watch = QObject::connect(text4, &QPlainTextEdit::textChanged, [&] {
            if (text4->toPlainText() != QStringLiteral("記録中..."))
                return;
            if (duringCapture)
                duringCapture();
            QTest::mouseClick(remote()->findChild<QPushButton*>("tv_power"), Qt::LeftButton);
        });
        button("Command3")->click();
        QObject::disconnect(watch);
    }

    bool applianceSawTvPower() const
    {
        return remote()->applianceView->toPlainText().startsWith(QStringLiteral("テレビ：電源 (NEC, "));
    }
    // Records and tests again, as the status line tells a user whose test failed, until the
    // appliance names the television's power button: a capture or a replay that the shared machine
    // stalled cannot be decoded. At most 3 more rounds.
    bool relearnedUntilSeen() const
    {
        for (int attempt = 0; attempt < 3 && !applianceSawTvPower(); ++attempt) {
            recordTvPower();
            if (buttons() == std::array{false, true, false})
                button("Command2")->click();
        }
        return applianceSawTvPower();
    }

private:
    std::function<QWidget*()> m_root;
};
