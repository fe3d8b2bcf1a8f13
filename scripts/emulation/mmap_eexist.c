/*
 * Preloaded into Wine's 32-bit processes when they run under qemu-i386.
 *
 * Wine reserves its address space with MAP_FIXED_NOREPLACE and steps on
 * when the kernel answers EEXIST. qemu-user 7.2 treats the flag as a mere
 * hint and maps the region elsewhere, so Wine unmaps it and tries the next
 * address, page by page, for about a minute at every process start. Here a
 * mapping asked for with MAP_FIXED_NOREPLACE that did not land where asked
 * is undone and reported as EEXIST, as a kernel would.
 *
 * Freestanding: built with gcc -m32 -ffreestanding and ld -m elf_i386, so no
 * 32-bit C library is needed to build it. errno is the C library's, found
 * when the library is loaded.
 */

typedef unsigned int size_t_32;

enum {
    SYSCALL_MUNMAP = 91,
    SYSCALL_MMAP2 = 192,
    MAP_FIXED_NOREPLACE_FLAG = 0x100000,
    ERROR_EXISTS = 17,
    ERROR_INVALID = 22,
    PAGE_SHIFT = 12,
    PAGE_MASK = (1 << PAGE_SHIFT) - 1,
    HIGHEST_ERROR = 4095,
};

#define MAP_FAILED_ADDRESS ((void*)-1)

extern int* __errno_location(void);

static long system_mmap2(void* address, size_t_32 length, int protection, int flags, int file,
                         unsigned long page_offset) {
    /* The sixth argument goes in ebp; ebx may hold the GOT pointer. */
    unsigned long arguments[6] = {(unsigned long)address,    length,
                                  (unsigned long)protection, (unsigned long)flags,
                                  (unsigned long)file,       page_offset};
    long result;
    __asm__ volatile("push %%ebp\n\t"
                     "push %%ebx\n\t"
                     "mov 0(%%eax), %%ebx\n\t"
                     "mov 4(%%eax), %%ecx\n\t"
                     "mov 8(%%eax), %%edx\n\t"
                     "mov 12(%%eax), %%esi\n\t"
                     "mov 16(%%eax), %%edi\n\t"
                     "mov 20(%%eax), %%ebp\n\t"
                     "mov %2, %%eax\n\t"
                     "int $0x80\n\t"
                     "pop %%ebx\n\t"
                     "pop %%ebp"
                     : "=a"(result)
                     : "a"(arguments), "i"(SYSCALL_MMAP2)
                     : "ecx", "edx", "esi", "edi", "memory");
    return result;
}

static void system_munmap(long address, size_t_32 length) {
    long result;
    __asm__ volatile("push %%ebx\n\t"
                     "mov %2, %%ebx\n\t"
                     "int $0x80\n\t"
                     "pop %%ebx"
                     : "=a"(result)
                     : "a"(SYSCALL_MUNMAP), "r"(address), "c"(length)
                     : "memory");
    (void)result;
}

static void* failed(int error) {
    *__errno_location() = error;
    return MAP_FAILED_ADDRESS;
}

static void* map_pages(void* address, size_t_32 length, int protection, int flags, int file,
                       unsigned long page_offset) {
    long result = system_mmap2(address, length, protection, flags, file, page_offset);
    if ((unsigned long)result > (unsigned long)-HIGHEST_ERROR - 1)
        return failed((int)-result);
    if ((flags & MAP_FIXED_NOREPLACE_FLAG) && (void*)result != address) {
        system_munmap(result, length);
        return failed(ERROR_EXISTS);
    }
    return (void*)result;
}

void* mmap(void* address, size_t_32 length, int protection, int flags, int file, long offset) {
    if (offset & PAGE_MASK)
        return failed(ERROR_INVALID);
    return map_pages(address, length, protection, flags, file, (unsigned long)offset >> PAGE_SHIFT);
}

void* mmap64(void* address, size_t_32 length, int protection, int flags, int file,
             long long offset) {
    if (offset & PAGE_MASK)
        return failed(ERROR_INVALID);
    return map_pages(address, length, protection, flags, file,
                     (unsigned long)((unsigned long long)offset >> PAGE_SHIFT));
}
