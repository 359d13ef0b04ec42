#pragma once
// The "結果" page: the results panel of the shown race, one box per bet type with the 結果 / 人気 / 配当 label of
// every payout entry.
#include <QWidget>

#include <vector>

class QLabel;

namespace renoka {

class ResultsPanel;
struct Label;

class ResultsPage : public QWidget {
    Q_OBJECT

public:
    explicit ResultsPage(const ResultsPanel& panel, QWidget* parent = nullptr);

    void showForm();

private:
    struct Shown {
        QLabel* view;
        const Label* label;
    };

    const ResultsPanel& m_panel;
    std::vector<Shown> m_labels;
};

} // namespace renoka
