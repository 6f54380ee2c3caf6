// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cards table: four cards of 25 cells side by side, the column letters over them and a
// "B I N G O" claim button under each.

#include "windows/form.h"

#include <array>

class QLabel;
class QPushButton;
class Tile;

class Form3 : public Form {
    Q_OBJECT
public:
    Form3();

    // Cell index (0 to 24) of card 1 to 4: box and number label in one (Picture1..4 with
    // Label2..5 of the same index).
    Tile* cell(int card, int index) const { return m_cells[card - 1][index]; }
    QPushButton* claimButton(int card) const { return m_claim[card - 1]; }

    std::array<QLabel*, 20> Label1;  // the column letters; 15 to 19 run from "O" to "B"

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void cellClicked(int card, int index);
    void claimed(int card);

private:
    std::array<std::array<Tile*, 25>, 4> m_cells{};
    std::array<QPushButton*, 4> m_claim{};
};
