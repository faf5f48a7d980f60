#pragma once

class frmtervalo;
class frmAbout;
class frmLevel;

// The one instance of each window, made on first use and kept for the whole
// program.
class FormRegistry {
public:
    static ::frmtervalo &frmtervalo();
    static ::frmAbout &frmAbout();
    static frmLevel &frmgk();  // Level 1
    static frmLevel &frmgk1(); // Level 2
    static frmLevel &frmgk2(); // Level 3
    static frmLevel &frmgk3(); // Level 4
    static frmLevel &frmgk4(); // Level 5
};
