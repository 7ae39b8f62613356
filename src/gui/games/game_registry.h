#pragma once
// Tells the course model's event factory which page each game keyword of a
// course line opens.

namespace tq {

constexpr const char* kGamePageTypes[] = {"WORDTRIS", "BUBBLES", "CLOUDS"};

void RegisterGamePages();
void UnregisterGamePages();

}  // namespace tq
