#pragma once
// The experiment's windows, as the handlers of one window reach the others.
// They are created at start-up in this order and live for the whole run;
// each pointer is null until its window exists.

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm5;

extern TForm1* Form1;  // main window: map, stations, epicenter
extern TForm2* Form2;  // settings dialog
extern TForm3* Form3;  // acquisition window: the two sensor pairs
extern TForm4* Form4;  // listen monitor
extern TForm6* Form6;  // class results, from the map's menu
extern TForm5* Form5;  // pulse velocity measurement
