/*
 * payroll: asks for each employee's name, title, social security number, salary and withholding
 * exemptions, then lists gross pay, tax and net pay for everyone and the number of employees.
 *
 * Every answer is one line of standard input. Input is read through a small layer that can give
 * characters back, so that a number can be followed by anything at all on its line without the
 * dialogue losing its place.
 */
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

typedef char *string;

typedef struct {
    string name;
    string title;
    string ssnum;
    double salary;
    int withholding;
} employeeRecordT;

typedef employeeRecordT *employeeT;

struct payrollRecordT {
    employeeT *employees;
    int nEmployees;
};

typedef struct payrollRecordT *payrollT;

enum {
    MaxEmployees = 100,
    TextSize = 100, /* a name, title or number holds at most 99 characters */
    CountLineSize = 1024,
    NumberSize = 128,   /* of a longer number text only the first 127 characters count */
    GivenBackSize = 256 /* room for one number text or one run of blanks given back */
};

static employeeRecordT staff[MaxEmployees];
static int nEmployees;

static void *allocate(size_t nbytes) {
    void *block = malloc(nbytes > 0 ? nbytes : 1);
    if (block == NULL) {
        fputs("Out of memory\n", stderr);
        exit(1);
    }
    return block;
}

/* ---- Standard input with characters given back (last given back, first read again) ---- */

static char givenBack[GivenBackSize];
static int nGivenBack;

static int nextChar(void) {
    if (nGivenBack > 0) return (unsigned char)givenBack[--nGivenBack];
    return getchar();
}

static void giveBack(int ch) {
    if (ch != EOF && nGivenBack < GivenBackSize) givenBack[nGivenBack++] = (char)ch;
}

static bool isBlank(int ch) {
    return ch == ' ' || ch == '\t';
}

static bool isSpace(int ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

/*
 * Reads one answer line into text (size bytes). The line end is dropped only when the line has
 * one, so an answer cut by the end of input keeps its last character; what does not fit is
 * discarded with the rest of the line rather than becoming the next answer.
 */
static void readAnswer(char *text, int size) {
    int length = 0;
    int ch;
    while ((ch = nextChar()) != EOF && ch != '\n') {
        if (length < size - 1) text[length++] = (char)ch;
    }
    text[length] = '\0';
}

static void discardLine(void) {
    int ch;
    while ((ch = nextChar()) != EOF && ch != '\n') {
    }
}

/*
 * After a number: blanks and tabs up to the line end go with the line end, so "1000 " ends its
 * answer. Otherwise exactly one character goes with the number, as it always has, and the rest
 * of the line is the next answer ("1000 2" gives salary 1000 and exemptions 2).
 */
static void discardAfterNumber(void) {
    char blanks[GivenBackSize - 1];
    int nBlanks = 0;
    int ch;
    while (isBlank(ch = nextChar())) {
        /* A text answer keeps at most 99 characters, so longer runs need not be kept whole. */
        if (nBlanks < TextSize) blanks[nBlanks++] = (char)ch;
    }
    if (ch == '\n' || ch == EOF || nBlanks == 0) return;
    giveBack(ch);
    while (nBlanks > 1)
        giveBack(blanks[--nBlanks]);
}

/* Reads the next number text into text; white space before it is skipped, line ends included. */
static void readNumberText(char *text) {
    int length = 0;
    int ch;
    do {
        ch = nextChar();
    } while (isSpace(ch));
    for (; ch != EOF && !isSpace(ch); ch = nextChar()) {
        if (length < NumberSize - 1) text[length++] = (char)ch;
    }
    text[length] = '\0';
    giveBack(ch);
}

/*
 * Ends a number answer whose text was converted up to end: what follows the number is given back
 * and its line ended as above. Without a number (end == text) the whole line is consumed and
 * false is returned.
 */
static bool endNumber(const char *text, const char *end) {
    if (end == text) {
        discardLine();
        return false;
    }
    for (const char *rest = end + strlen(end); rest > end; rest--)
        giveBack(rest[-1]);
    discardAfterNumber();
    return true;
}

/* A salary that is not a number is recorded as 0. */
static double readSalary(void) {
    char text[NumberSize];
    char *end;
    readNumberText(text);
    double salary = strtod(text, &end);
    return endNumber(text, end) ? salary : 0.0;
}

/* A count beyond the int range is taken as the nearest int limit. */
static int clampToInt(long number) {
    if (number > INT_MAX) return INT_MAX;
    if (number < INT_MIN) return INT_MIN;
    return (int)number;
}

/* Exemptions that are not a number are recorded as 0. */
static int readExemptions(void) {
    char text[NumberSize];
    char *end;
    readNumberText(text);
    int exemptions = clampToInt(strtol(text, &end, 10));
    return endNumber(text, end) ? exemptions : 0;
}

/* The leading decimal integer of the count line, 0 when it has none. */
static int readCount(void) {
    char line[CountLineSize];
    readAnswer(line, CountLineSize);
    return clampToInt(strtol(line, NULL, 10));
}

static string readText(void) {
    string text = (string)allocate(TextSize);
    readAnswer(text, TextSize);
    return text;
}

/* ---- The dialogue, the payroll and the listing ---- */

static void getpayroll(void) {
    printf("How many employees do you have to enter?:");
    int z = readCount();
    for (int i = 0; i < z; i++) {
        if (z > MaxEmployees) {
            printf(
                "\nThis program can only accept 100 employees for your payroll. To calculate "
                "the payroll for a business with more employees please upgrade to Pro.\n");
            z = 0;
            break;
        }
        employeeRecordT employee;
        printf("Employee Name (%d):", i + 1);
        employee.name = readText();
        printf("Title:");
        employee.title = readText();
        printf("Employee Social Security Number:");
        employee.ssnum = readText();
        printf("Employee's Salary:");
        employee.salary = readSalary();
        printf("Witholding exemptions:");
        employee.withholding = readExemptions();
        staff[i] = employee;
    }
    nEmployees = z;
}

/* The payroll's records share their strings with the table. */
static payrollT CreatePayroll(employeeRecordT *table, int count) {
    payrollT payroll = (payrollT)allocate(sizeof *payroll);
    payroll->nEmployees = count;
    payroll->employees = NULL;
    if (count > 0) payroll->employees = (employeeT *)allocate((size_t)count * sizeof(employeeT));
    for (int i = 0; i < count; i++) {
        payroll->employees[i] = (employeeT)allocate(sizeof(employeeRecordT));
        *payroll->employees[i] = table[i];
    }
    return payroll;
}

static double Income_Tax(payrollT payroll, int i) {
    employeeT employee = payroll->employees[i];
    double adjusted = employee->salary - (double)employee->withholding;
    return adjusted * 0.25;
}

static void ListEmployees(payrollT payroll) {
    printf("%-10s%-13s%-10s%-12s\n", "Name", "Gross", "Tax", "Net");
    printf("--------------------------------------------------\n");
    for (int i = 0; i < payroll->nEmployees; i++) {
        employeeT employee = payroll->employees[i];
        double tax = Income_Tax(payroll, i);
        printf("%-10s%-10.2lf - %-8.2lf= %-12.2lf\n", employee->name, employee->salary, tax,
               employee->salary - tax);
    }
}

static void FreePayroll(payrollT payroll) {
    for (int i = 0; i < payroll->nEmployees; i++)
        free(payroll->employees[i]);
    free(payroll->employees);
    free(payroll);
}

int main(void) {
    getpayroll();
    payrollT payroll = CreatePayroll(staff, nEmployees);
    ListEmployees(payroll);
    printf("****%d****\n", nEmployees);
    for (int i = 0; i < nEmployees; i++) {
        free(staff[i].title);
        free(staff[i].ssnum);
        free(staff[i].name);
    }
    FreePayroll(payroll);
    return 0;
}
