#pragma once
// The heading of the shown race above the pages: racecourse and race number on the course-coloured panel
// (Panel3: green for turf, maroon for dirt), the race's date, title, conditions and prize money, and the time of
// the odds it was read with.
#include <QWidget>

class QFrame;
class QLabel;

namespace renoka {

class RaceCard;

class RaceHeader : public QWidget {
    Q_OBJECT

public:
    explicit RaceHeader(const RaceCard& card, QWidget* parent = nullptr);

    void showForm();

private:
    QLabel* addLabel(const char* name, QWidget* parent);

    const RaceCard& m_card;
    QFrame* m_panel3 = nullptr;
    QLabel* m_basho = nullptr;
    QLabel* m_race = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_oddsTime = nullptr;
};

} // namespace renoka
