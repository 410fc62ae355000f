/*
 * payroll: asks for each employee's name, title, social security number, salary and withholding
 * exemptions, then lists gross pay, tax and net pay for everyone and the number of employees.
 *
 * Every answer is one line of standard input, read through the answers unit, so that a number
 * can be followed by anything at all on its line without the dialogue losing its place.
 */
#include <cstdio>
#include <cstdlib>

#include "records/allocate.h"
#include "records/answers.h"

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
    TextSize = 100 /* a name, title or social security number holds at most 99 characters */
};

static employeeRecordT staff[MaxEmployees];
static int nEmployees;

static string readText(void) {
    string text = static_cast<string>(allocate(TextSize));
    ReadTextAnswer(text, TextSize);
    return text;
}

/* ---- The dialogue, the payroll and the listing ---- */

static void getpayroll(void) {
    printf("How many employees do you have to enter?:");
    int z = ReadCountAnswer();
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
        employee.salary = ReadRealAnswer();
        printf("Witholding exemptions:");
        employee.withholding = ReadIntAnswer();
        staff[i] = employee;
    }
    nEmployees = z;
}

/* The payroll's records share their strings with the table. */
static payrollT CreatePayroll(employeeRecordT *table, int count) {
    payrollT payroll = static_cast<payrollT>(allocate(sizeof *payroll));
    payroll->nEmployees = count;
    payroll->employees = nullptr;
    if (count > 0)
        payroll->employees =
            static_cast<employeeT *>(allocate(static_cast<size_t>(count) * sizeof(employeeT)));
    for (int i = 0; i < count; i++) {
        payroll->employees[i] = static_cast<employeeT>(allocate(sizeof(employeeRecordT)));
        *payroll->employees[i] = table[i];
    }
    return payroll;
}

static double Income_Tax(payrollT payroll, int i) {
    employeeT employee = payroll->employees[i];
    double adjusted = employee->salary - static_cast<double>(employee->withholding);
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
    FreeAnswers();
    return 0;
}
