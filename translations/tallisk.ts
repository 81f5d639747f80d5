<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>CoreTable</name>
    <message>
        <source>the core &apos;%1&apos; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DecodeCommand</name>
    <message>
        <source>Prints the result as one JSON object.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the result as CSV for spreadsheets: a header row, then one row per record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also names the real part that line 1 is the part number of: a part that a public source names, or one read from the part number&apos;s layout, and the rows where the marking tables disagree with it; &quot;not known&quot; otherwise, with the reason, and the closest part numbers it names on standard error as hints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --batch and --identify, also finds the closest part numbers it names for each line that is not known, which takes much longer; without it their suggestions are null. A single decode always finds them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also writes the result as the HTML table the window exports. FILE is replaced whole; one that exists must be a regular file (a symbolic link is written through).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decodes one record per line of FILE (- for standard input), its code lines separated by TAB, and prints one JSON object per record, or with --csv one row. Empty lines, lines that start with # and a first line line1&lt;TAB&gt;line2&lt;TAB&gt;line3 are skipped; a line longer than %1 bytes gives an error record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists every public source that identification cites, once: its id, title and address, as text, or with --json one JSON object per line, or with --csv one row each. A batch&apos;s records cite their sources by id.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decodes the marking code printed on the lid of an AMD Athlon, Athlon XP or Duron processor exactly as the window&apos;s &quot;Check&quot; does, and prints the model name, then the seventeen rows as &quot;Caption: value&quot;. The messages the decoder shows go to standard error, in order. A code line that starts with a dash follows --.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pass completed, or every batch record was handled, and all output was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message ended the pass early, or output could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A usage error, an input file that cannot be read, or an HTML file that cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than three fields (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--suggest needs --identify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used with --sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--sources takes no code lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--batch takes no code lines as arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--html cannot be used with --batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing LINE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many code lines (%1); at most three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identified: %1 [%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disagreement: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identified: not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: closest part numbers (not an identification): %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: out of memory at record %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write standard output: %2
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DecodeTarget</name>
    <message>
        <source>[ Waiting ]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>Error! CPU Identification String not found.. Aborting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was an error with the string you entered - Please revise it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chip &apos;%1&apos; is currently unsupported by Tallisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed trying to retrieve stepping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Unable to read correct value in textbox two.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Unable to read correct value in textbox three.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mistake was made with the first several letters of text in code one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you mean &apos;AXDA&apos; or &apos;AX&apos; instead?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldTable</name>
    <message>
        <source>Core</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Package Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L1 Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2 Cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FSB Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stepping Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacture Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacture Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Production Batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch Production Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downgraded from</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartIdentity</name>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MHz bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartNumberReader</name>
    <message>
        <source>%1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tables name more than 32 cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the model must be &apos;rating&apos; or &apos;clock&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the prefix must be upper case without blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name must hold %1 for the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown field &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the revision can only be the last field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a layout needs the fields l2 and bus for its ratings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout &apos;%1&apos; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letter must be one upper-case letter or digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown layout &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout &apos;%1&apos; has no field &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the letter %1 of %2 in &apos;%3&apos; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no layout reads the rating table &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the model %1 is given twice for this table, L2 and bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the model %1 has two clocks in the clock-named table &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No part-number layout starts like this line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only a Slot A revision letter, one letter, may follow a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line reads in two layouts (%1… and %2…), and the tables cannot say which.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model number after %1 holds the letter %2 where a digit belongs (%3?).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model number after %1 must have 4 digits; this line has %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The model number after %1 must have %2 to 4 digits; this line has %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1… part numbers have no revision letter after a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 letter is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 or the %2 letter is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter %1 is one too many.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1… part numbers have %2 letters after the model number; this line has %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a letter of a part number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A field of a part number and its letter, e.g. &quot;voltage X&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tables of %1… part numbers do not hold these letters: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 letter %2 is not in the tables, but %3 is: the two are easily read for one another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 letter %2 names a core that the other letters rule out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the rating table, model %1 is %2, but the letters of this %3… part number leave %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rating table has no model %1 of %2… part numbers with %3 KB L2 on a %4 MHz bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rating table has no model %1 of %2… part numbers with %3 KB L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rating table has no model %1 of %2… part numbers on a %3 MHz bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rating table has no model %1 of %2… part numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and %2.</source>
        <extracomment>A reason, then a letter that was not read, e.g. &quot;the bus letter Z was not read&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A reason made a sentence.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PartTable</name>
    <message>
        <source>the part number &apos;%1&apos; is not upper case with single blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the part number &apos;%1&apos; is already on line %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>%1: cannot write standard output: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [-h | --help] [-v | --version]

Decodes the marking code printed on the lid of an AMD Athlon, Athlon XP or
Duron processor in a window: type its three lines and press &quot;Check&quot;.

Options:
  -h, --help     Shows this help and exits.
  -v, --version  Shows the version and exits.
The toolkit&apos;s own options (-platform, -style and others) are accepted too.

The window needs a display (X11 or Wayland). Without one, %1 ends with
status 2; tallisk-decode decodes the same codes on the command line (see
tallisk-decode --help).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos; (see %1 --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no display to open the window on; tallisk-decode needs none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultPage</name>
    <message>
        <source>Tallisk result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Tallisk result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generated by %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultReport</name>
    <message>
        <source>Real part: not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listed in 1 source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>listed in %1 sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read from the letters of its part number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stepping %2 ends in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stepping %1 does not tell %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type line 3 to tell %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the marking tables read no stepping code to tell %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marking tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the marking tables say %2, and the real part agrees: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the marking tables say %2, but the real part says %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the marking tables say nothing, but the real part says %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closest part numbers: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real part: %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SourceList</name>
    <message>
        <source>the id &apos;%1&apos; holds a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the id &apos;%1&apos; is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source &apos;%1&apos; is not in the list of sources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableFileWriter</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a directory, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file system took no more bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write failed after %1 bytes (injected for testing)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TsvReader</name>
    <message>
        <source>the header must be &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expected %1 cells, found %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no column %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has blanks around it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a whole number above zero: &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a decimal number above zero: &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has two blanks in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a list of items separated by &apos; | &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnreadLetter</name>
    <message>
        <source>package</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2 speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 letter %2 was not read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>modMain</name>
    <message>
        <source>Copyright © 2026 The Tallisk developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error has occured!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reporting a bug or error in Tallisk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallisk::RealPartArea</name>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallisk::frmAbout</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1 (Beta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tallisk::frmMain</name>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tallisk (Beta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[ Enter information here ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Result &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report Bug/Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is BETA! There may be, and probably are many bugs still</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present in this release of Tallisk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Athlon MP and Athlon Mobile series of chips aren&apos;t currently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supported - I am still verfiying the accuracy of the output from this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>program, while I gain more knowledge of their specifications.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please take note...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File saved as table.htm in: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No mail program took the bug report. Please write to this address, with this subject:

%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Result As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;%1 rests on these sources:&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
