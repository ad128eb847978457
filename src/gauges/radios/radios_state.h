#pragma once
// Radio boxes of the pedestal: nav/com set switches, ADF, transponder and radar box controls,
// and the digit drums that show the host's frequencies and code.
#include <cstdint>

#include "frame/drum.h"

namespace vk {

struct RadioState {
    // Nav/com sets: receiver, select and power switches, frequency drums
    uint8_t nav1_switch = 3;  // receiver switch of set 1: 0 off, 2 on; 3 at load counts as on
    uint8_t nav2_switch = 3;  // receiver switch of set 2: 0 off, 2 on; 3 at load counts as on
    uint8_t nav1_select = 1;  // second switch of set 1, 0 or 1; with nav2_select picks host state
    uint8_t nav2_select = 1;  // second switch of set 2, 0 or 1; with nav1_select picks host state
    uint8_t nav1_power = 0;   // power switch of set 1: 0 off, 1 on
    uint8_t nav2_power = 0;   // power switch of set 2: 0 off, 1 on
    DigitDrum nav1_drum_hundreds;    // set 1 hundreds of MHz, always turned to 1
    DigitDrum nav1_drum_tens;        // set 1 tens of MHz
    DigitDrum nav1_drum_units;       // set 1 units of MHz
    DigitDrum nav1_drum_tenths;      // set 1 tenths of MHz
    DigitDrum nav1_drum_hundredths;  // set 1 0/5 drum (2 positions): 1 when hundredths are 5
    DigitDrum nav2_drum_hundreds;    // set 2 hundreds of MHz, always turned to 1
    DigitDrum nav2_drum_tens;        // set 2 tens of MHz
    DigitDrum nav2_drum_units;       // set 2 units of MHz
    DigitDrum nav2_drum_tenths;      // set 2 tenths of MHz
    DigitDrum nav2_drum_hundredths;  // set 2 0/5 drum (2 positions): 1 when hundredths are 5
    DigitDrum com1_drum_hundreds;    // com channel 1 hundreds of MHz, always turned to 1
    DigitDrum com1_drum_tens;        // com channel 1 tens of MHz
    DigitDrum com1_drum_units;       // com channel 1 units of MHz
    DigitDrum com1_drum_tenths;      // com channel 1 tenths of MHz
    DigitDrum com1_drum_hundredths;  // com channel 1 00/25/50/75 drum (4 positions)
    DigitDrum com2_drum_hundreds;    // com channel 2 hundreds of MHz, always turned to 1
    DigitDrum com2_drum_tens;        // com channel 2 tens of MHz
    DigitDrum com2_drum_units;       // com channel 2 units of MHz
    DigitDrum com2_drum_tenths;      // com channel 2 tenths of MHz
    DigitDrum com2_drum_hundredths;  // com channel 2 00/25/50/75 drum (4 positions)

    // ADF boxes, transponder and radar box controls, with their drums
    uint8_t adf1_power = 0;          // ADF 1 power switch: 0 off, 1 on
    uint8_t adf2_power = 0;          // ADF 2 power switch: 0 off, 1 on
    uint8_t adf1_switch = 1;         // ADF 1 mode selector 0..3; any but 0 counts as on
    uint8_t adf2_switch = 1;         // ADF 2 mode selector 0..3; any but 0 counts as on
    int8_t adf1_gain = 0;            // ADF 1 gain knob, -30..30
    int8_t adf2_gain = 0;            // ADF 2 gain knob, -30..30
    uint8_t adf1_fine = 0;           // ADF 1 third knob in fine-tuning mode
    uint8_t adf2_fine = 0;           // ADF 2 third knob in fine-tuning mode
    uint8_t adf1_fine_pressed = 0;   // ADF 1 fine-tuning action waiting to show the tenths drum
    uint8_t adf2_fine_pressed = 0;   // ADF 2 fine-tuning action waiting to show the tenths drum
    uint8_t adf1_tenths_shown = 0;   // ADF 1 tenths drum is showing
    uint8_t adf2_tenths_shown = 0;   // ADF 2 tenths drum is showing
    double adf1_tenths_start = 0.0;  // ADF 1 tick counter when the tenths drum was shown
    double adf2_tenths_start = 0.0;  // ADF 2 tick counter when the tenths drum was shown
    uint8_t adf1_aux_switch = 1;     // ADF 1 second two-position switch, display only
    uint8_t adf2_aux_switch = 1;     // ADF 2 second two-position switch, display only
    uint8_t tsp_mode1 = 2;           // transponder mode selector 1, 0..3; reply lamp from 2
    uint8_t tsp_mode2 = 1;           // transponder mode selector 2, 0..3
    uint8_t tsp_ident_button = 0;    // ident button drawn pressed while non-zero, frames
    uint8_t tsp_reply_timer = 0;     // reply lamp lit while non-zero, frames
    uint8_t tsp_switch = 1;          // transponder two-position switch, display only
    uint8_t radar_switch1 = 0;       // radar switch 1, display only
    uint8_t radar_switch2 = 0;       // radar switch 2, display only
    uint8_t radar_knob = 0;          // radar left knob 0..4, display only
    DigitDrum adf1_drum_thousands;   // ADF 1 thousands of kHz, 0 or 1
    DigitDrum adf1_drum_hundreds;    // ADF 1 hundreds of kHz
    DigitDrum adf1_drum_tens;        // ADF 1 tens of kHz
    DigitDrum adf1_drum_units;       // ADF 1 units of kHz
    DigitDrum adf1_drum_tenths;      // ADF 1 tenths of kHz, shown after fine tuning only
    DigitDrum adf2_drum_thousands;   // ADF 2 thousands of kHz, 0 or 1
    DigitDrum adf2_drum_hundreds;    // ADF 2 hundreds of kHz
    DigitDrum adf2_drum_tens;        // ADF 2 tens of kHz
    DigitDrum adf2_drum_units;       // ADF 2 units of kHz
    DigitDrum adf2_drum_tenths;      // ADF 2 tenths of kHz, shown after fine tuning only
    DigitDrum tsp_drum_thousands;    // transponder code, first (leftmost) digit
    DigitDrum tsp_drum_hundreds;     // transponder code, second digit
    DigitDrum tsp_drum_tens;         // transponder code, third digit
    DigitDrum tsp_drum_units;        // transponder code, last digit
};

extern RadioState radio;

}  // namespace vk
