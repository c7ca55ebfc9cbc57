#pragma once

class TForm2;
class Tmeibo;
class Tdentakukun;
class Ttouroku;

namespace mirevo {

class Tmenu01;
class TForm1;

// The program's six windows, created once at start-up and kept until it
// ends. A window that calls another looks it up here when it needs it, so
// windows can be created in the program's fixed order.
struct WindowSet {
    Tmenu01* menu = nullptr;
    TForm1* project = nullptr;
    TForm2* calendar = nullptr;
    Tmeibo* roster = nullptr;
    Tdentakukun* calculator = nullptr;
    Ttouroku* registration = nullptr;
};

} // namespace mirevo
