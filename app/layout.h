#pragma once
// Design-time layout of the main and disclaimer windows: positions and sizes in twips, colours
// and the windows' client sizes. The windows' logic sets captions and behaviour; these only
// place things.
namespace brisko::app {

class Form1;
class Form2;

void LayOutForm1(Form1& form);
void LayOutForm2(Form2& form);

}  // namespace brisko::app
