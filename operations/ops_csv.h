#pragma once
// The CSV import of the shell, forwarded to the CSV exchange.

class CTK73opsCsv {
  public:
    // fileNo: the program file to import (-1: the user chooses), kind: 0 register, 1 controller;
    // both go to the CSV exchange's import.
    CTK73opsCsv(int fileNo, int kind);

    // 1 when program files were replaced from a CSV file. Until the CSV exchange imports, this
    // says so and answers 0.
    int ImportExecute();
};
